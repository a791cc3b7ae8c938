#include "exchange/pdf/pdf_export.hpp"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <string_view>

#include "exchange/file_system.hpp"
#include "exchange/pdf/pdf_pages.hpp"
#include "exchange/pdf/pdf_table_painter.hpp"

namespace tobrel::exchange {

namespace {

constexpr const char* kTitle = "Tobrel v.1.0";
constexpr const char* kCreator = "Tobrel";
constexpr double kMarginPoints = 15;
constexpr double kTableLeftPoints = 10;
constexpr int kResolution = 1200;
constexpr double kPointsPerInch = 72;

// A3 landscape with its margins; the painter addresses the whole page so the table can start
// left of the margin.
QPageLayout pageLayout() {
    QPageLayout layout(QPageSize(QPageSize::A3), QPageLayout::Landscape,
                       QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                       QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

pdf::PrintArea printArea(const QPageLayout& layout) {
    const QRectF page = layout.fullRectPoints();
    return pdf::PrintArea{kTableLeftPoints, kMarginPoints, page.width() - kMarginPoints,
                          page.height() - kMarginPoints};
}

QByteArray renderDocument(const sheet::Sheet& sheet, const Progress& progress) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_1_4);
        writer.setResolution(kResolution);
        writer.setPageLayout(pageLayout());
        writer.setTitle(QString::fromUtf8(kTitle));
        writer.setCreator(QString::fromUtf8(kCreator));
        const pdf::PrintArea area = printArea(writer.pageLayout());
        const auto pages = pdf::paginate(sheet, area);
        QPainter painter(&writer);
        pdf::TablePainter table(painter, sheet, area, kResolution / kPointsPerInch);
        const auto total = static_cast<long long>(pages.size());
        for (long long index = 0; index < total; ++index) {
            if (index > 0)
                writer.newPage();
            table.drawPage(pages[static_cast<size_t>(index)]);
            if (progress)
                progress(index + 1, total);
        }
    }
    return bytes;
}

}  // namespace

void exportPdf(const sheet::Sheet& sheet, const std::string& path, const Progress& progress) {
    const QByteArray document = renderDocument(sheet, progress);
    try {
        replaceFileWhole(
            path, std::string_view(document.constData(), static_cast<size_t>(document.size())));
    } catch (const FileError& error) {
        throw ExchangeError("Cannot create file \"" + path + "\". " + error.reason());
    }
}

}  // namespace tobrel::exchange
