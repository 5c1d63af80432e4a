// Block arrays kept encoded row by row, behind libjpeg's memory manager (see the header).
// libjpeg reaches an array only through Access, which hands out a window of block rows
// valid until the next Access to the same array: a window written to is encoded back then.
// These functions are called from inside libjpeg: they report errors through its error
// manager (a long jump) and hold no C++ object that a jump would skip while they do.
#include "photo/jpeg_coefficients.h"

#include <jerror.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>

namespace rula {
namespace {

// The natural (row-major) position of each coefficient in zigzag order.
constexpr int kZigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                             12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                             35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                             58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr std::array<int, 64> ZigzagIndex() {
    std::array<int, 64> index{};
    for (int k = 0; k < 64; ++k)
        index[size_t(kZigzag[k])] = k;
    return index;
}
constexpr std::array<int, 64> kZigzagIndex = ZigzagIndex();

// The most an encoded block takes: the count, 8 mask bytes, 64 values of 3 bytes.
constexpr size_t kMaxBlockBytes = 1 + 8 + 64 * 3;

// The rows or columns of a block's coefficients that libjpeg's inverse DCT reads when it
// makes `size` pixels of the block's 8 (jidctred.c: the 1x1, 2x2 and 4x4 kernels).
unsigned ReadLines(int size) {
    switch (size) {
    case 1:
        return 0b00000001;
    case 2:
        return 0b10101011;
    case 4:
        return 0b11101111;
    default:
        return 0xff;
    }
}

// The natural positions whose values the output reads, for a component's scaled DCT.
std::uint64_t KeptPositions(const jpeg_component_info& component) {
#if JPEG_LIB_VERSION >= 70
    const unsigned rows = ReadLines(component.DCT_v_scaled_size),
                   columns = ReadLines(component.DCT_h_scaled_size);
#else
    const unsigned rows = ReadLines(component.DCT_scaled_size), columns = rows;
#endif
    std::uint64_t kept = 0;
    for (int r = 0; r < 8; ++r)
        if (rows >> r & 1)
            kept |= std::uint64_t(columns) << (8 * r);
    return kept;
}

std::uint8_t* PutValue(std::uint8_t* out, JCOEF value) {
    // Zigzag-encoded so that small values of either sign take one byte, 7 bits a byte.
    std::uint32_t z = (std::uint32_t(value) << 1) ^ std::uint32_t(-std::int32_t(value < 0));
    z &= 0x1ffff;
    while (z >= 0x80) {
        *out++ = std::uint8_t(z | 0x80);
        z >>= 7;
    }
    *out++ = std::uint8_t(z);
    return out;
}

JCOEF GetValue(const std::uint8_t*& in) {
    std::uint32_t z = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = *in++;
        z |= std::uint32_t(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            break;
    }
    return JCOEF(std::int32_t(z >> 1) ^ -std::int32_t(z & 1));
}

// Which coefficients of a block are not zero, by natural position.
std::uint64_t NotZero(const JCOEF* c) {
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i)
        mask |= std::uint64_t(c[i] != 0) << i;
    return mask;
}

} // namespace

struct CompactCoefficients::Array {
    JDIMENSION blocksPerRow = 0, rows = 0, maxAccess = 0;
    std::uint64_t kept = ~std::uint64_t(0);
    std::vector<std::vector<std::uint8_t>> encoded; // one a block row; empty: all zero
    std::unique_ptr<JBLOCK[]> window; // as many rows of blocks as asked for at once so far
    std::vector<JBLOCKROW> windowRows;
    std::vector<std::uint8_t> scratch; // one row being encoded
    JDIMENSION windowStart = 0, windowCount = 0;
    bool dirty = false;

    void encodeRow(JDIMENSION row) {
        std::uint8_t* out = scratch.data();
        bool any = false;
        const JBLOCKROW blocks = windowRows[row - windowStart];
        for (JDIMENSION b = 0; b < blocksPerRow; ++b) {
            const JCOEF* c = blocks[b];
            std::uint64_t zigzag = 0;
            for (std::uint64_t natural = NotZero(c); natural; natural &= natural - 1)
                zigzag |= std::uint64_t(1) << kZigzagIndex[size_t(std::countr_zero(natural))];
            const int bytes = zigzag ? (71 - std::countl_zero(zigzag)) / 8 : 0;
            *out++ = std::uint8_t(bytes);
            for (int i = 0; i < bytes; ++i)
                *out++ = std::uint8_t(zigzag >> (8 * i));
            for (std::uint64_t bits = zigzag; bits; bits &= bits - 1) {
                const int position = kZigzag[std::countr_zero(bits)];
                if (kept >> position & 1)
                    out = PutValue(out, c[position]);
            }
            any = any || bytes;
        }
        std::vector<std::uint8_t>& stored = encoded[row];
        if (!any)
            stored = {};
        else
            stored.assign(scratch.data(), out);
    }

    void decodeRow(JDIMENSION row) {
        const JBLOCKROW blocks = windowRows[row - windowStart];
        std::memset(blocks, 0, sizeof(JBLOCK) * blocksPerRow);
        const std::vector<std::uint8_t>& stored = encoded[row];
        if (stored.empty())
            return;
        const std::uint8_t* in = stored.data();
        for (JDIMENSION b = 0; b < blocksPerRow; ++b) {
            JCOEF* c = blocks[b];
            const int bytes = *in++;
            std::uint64_t zigzag = 0;
            for (int i = 0; i < bytes; ++i)
                zigzag |= std::uint64_t(*in++) << (8 * i);
            for (; zigzag; zigzag &= zigzag - 1) {
                const int position = kZigzag[std::countr_zero(zigzag)];
                c[position] = kept >> position & 1 ? GetValue(in) : JCOEF(1);
            }
        }
    }
};

CompactCoefficients::CompactCoefficients() = default;
CompactCoefficients::~CompactCoefficients() = default;

void CompactCoefficients::install(jpeg_decompress_struct& cinfo) {
    cinfo.client_data = this;
    realizeOthers_ = cinfo.mem->realize_virt_arrays;
    cinfo.mem->request_virt_barray = &Request;
    cinfo.mem->realize_virt_arrays = &Realize;
    cinfo.mem->access_virt_barray = &Access;
}

jvirt_barray_ptr CompactCoefficients::Request(j_common_ptr cinfo, int, boolean,
                                              JDIMENSION blocksPerRow, JDIMENSION rows,
                                              JDIMENSION maxAccess) {
    auto& self = *static_cast<CompactCoefficients*>(cinfo->client_data);
    Array* made = nullptr;
    try {
        self.arrays_.push_back(std::make_unique<Array>());
        made = self.arrays_.back().get();
    } catch (const std::bad_alloc&) {
    }
    if (!made)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 1);
    made->blocksPerRow = blocksPerRow;
    made->rows = rows;
    made->maxAccess = std::min(maxAccess, rows);
    return reinterpret_cast<jvirt_barray_ptr>(made);
}

void CompactCoefficients::Realize(j_common_ptr cinfo) {
    auto& self = *static_cast<CompactCoefficients*>(cinfo->client_data);
    (*self.realizeOthers_)(cinfo);
    // The coefficient controller asks for one array a component, in the components' order.
    const auto& decompress = *reinterpret_cast<j_decompress_ptr>(cinfo);
    const bool byComponent =
        cinfo->is_decompressor && self.arrays_.size() == size_t(decompress.num_components);
    bool allocated = true;
    for (size_t i = 0; i < self.arrays_.size() && allocated; ++i) {
        Array& a = *self.arrays_[i];
        if (!a.encoded.empty())
            continue;
        if (byComponent)
            a.kept = KeptPositions(decompress.comp_info[i]);
        try {
            a.encoded.resize(a.rows);
            a.scratch.resize(kMaxBlockBytes * a.blocksPerRow);
        } catch (const std::bad_alloc&) {
            allocated = false;
        }
    }
    if (!allocated)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 2);
}

JBLOCKARRAY CompactCoefficients::Access(j_common_ptr cinfo, jvirt_barray_ptr array,
                                        JDIMENSION start, JDIMENSION count, boolean writable) {
    Array& a = *reinterpret_cast<Array*>(array);
    if (a.encoded.empty() || count > a.maxAccess || start > a.rows || count > a.rows - start)
        ERREXIT(cinfo, JERR_BAD_VIRTUAL_ACCESS);
    if (start != a.windowStart || count != a.windowCount) {
        bool allocated = true;
        try {
            if (a.dirty)
                for (JDIMENSION r = a.windowStart; r < a.windowStart + a.windowCount; ++r)
                    a.encodeRow(r);
            // The window grows to what is asked for (more rows only where libjpeg smooths
            // the blocks of an unfinished progressive file).
            if (count > a.windowRows.size()) {
                a.window.reset();
                a.window.reset(new JBLOCK[size_t(count) * a.blocksPerRow]);
                a.windowRows.resize(count);
                for (JDIMENSION r = 0; r < count; ++r)
                    a.windowRows[r] = a.window.get() + size_t(r) * a.blocksPerRow;
            }
        } catch (const std::bad_alloc&) {
            allocated = false;
        }
        if (!allocated)
            ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 3);
        a.windowStart = start;
        a.windowCount = count;
        a.dirty = false;
        for (JDIMENSION r = start; r < start + count; ++r)
            a.decodeRow(r);
    }
    a.dirty = a.dirty || writable;
    return a.windowRows.data();
}

} // namespace rula
