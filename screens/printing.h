// Printing a screen: an image of its client area, at its true size (96 pixels to the
// inch), on one page of the default printer, without a dialog. The printer sits
// behind PrintTarget so that tests can print into a PDF file.
#pragma once

#include <QString>

#include <memory>

class QPixmap;
class QPrinter;

namespace rula {

class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Prints the image on one page of the printer that open() gives. Returns an empty
    // text on success, else why nothing was printed.
    virtual QString print(const QPixmap& image);
    // The printer for the next job, or null with the reason why there is none.
    virtual std::unique_ptr<QPrinter> open(QString& whyNot) = 0;
};

// The system's default printer.
class DefaultPrinterTarget final : public PrintTarget {
public:
    std::unique_ptr<QPrinter> open(QString& whyNot) override;
};

// A PDF file, for tests and previews.
class PdfFileTarget final : public PrintTarget {
public:
    explicit PdfFileTarget(QString path)
        : path_(std::move(path)) {}
    std::unique_ptr<QPrinter> open(QString& whyNot) override;

private:
    QString path_;
};

} // namespace rula
