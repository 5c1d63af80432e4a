// The whole-image coefficient buffer of a JPEG with several scans (a progressive one),
// kept compact, inside the decoder module. libjpeg decodes such a file scan by scan into
// a buffer of every block's 64 coefficients, 2 bytes for every sample at any output
// scale: 144 MiB for a 24-megapixel photo in 4:4:4. It asks its memory manager for that
// buffer and reaches it only through a window of a few block rows at a time, so the three
// methods of the manager for it are replaced here: each block row is kept encoded and is
// decoded into the window when libjpeg asks for it, encoded again when libjpeg has
// written to it.
//
// A block is kept as which of its coefficients are not zero (in zigzag order, up to the
// last one that is not) and the values of those the output reads. At a reduced scale
// libjpeg's inverse DCT reads only some coefficients (at 1/8 the DC term; at 1/4 rows
// and columns 0, 1, 3, 5 and 7; at 1/2 all but row and column 4). Of the others only
// whether they are zero is kept: a refining scan's decoding depends on that and on
// nothing else of a coefficient, and they come back as 1.
#pragma once

#include <cstdint>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>
#include <memory>
#include <vector>

namespace rula {

class CompactCoefficients {
public:
    CompactCoefficients();
    CompactCoefficients(const CompactCoefficients&) = delete;
    CompactCoefficients& operator=(const CompactCoefficients&) = delete;
    ~CompactCoefficients();

    // Takes over the block arrays of `cinfo`'s memory manager; call after
    // jpeg_create_decompress. This object must outlive the decompression.
    void install(jpeg_decompress_struct& cinfo);

private:
    struct Array;
    static jvirt_barray_ptr Request(j_common_ptr cinfo, int pool, boolean preZero,
                                    JDIMENSION blocksPerRow, JDIMENSION rows, JDIMENSION maxAccess);
    static void Realize(j_common_ptr cinfo);
    static JBLOCKARRAY Access(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION start,
                              JDIMENSION count, boolean writable);

    std::vector<std::unique_ptr<Array>> arrays_;
    void (*realizeOthers_)(j_common_ptr) = nullptr;
};

} // namespace rula
