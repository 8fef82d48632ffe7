// The window's report and copy commands: the PDF holds the result texts (read
// back with pdftotext), the HTML report is written where asked, and Ctrl+C
// copies one line per result row.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "support/temp_dir.h"
#include "ui/per_char.h"
#include "ui/report_writer.h"
#include "ui_support.h"

namespace kelvara::ui {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, PdfReportHoldsTheResultTexts) {
    OpenWindow();
    kelvara::testing::TempDir dir;
    const QString pdf = QString::fromStdString((dir / "report.pdf").string());
    ASSERT_TRUE(window->WriteReport(pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    file.close();

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000)) << "pdftotext (poppler-utils) did not run";
    ASSERT_EQ(text.exitCode(), 0);
    // Runs of blanks read as one (as in the HTML the PDF is laid out from).
    const QString got = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    const DesignResults& r = window->dialog().results();
    for (const ResultRow& row : kResultRows) {
        EXPECT_TRUE(got.contains(ToQ(row.label).simplified())) << ToUtf8(row.label);
        EXPECT_TRUE(got.contains(ToQ(r.text[row.value]))) << ToUtf8(r.text[row.value]);
    }
    EXPECT_TRUE(got.contains("Проверка проекта"));
    EXPECT_TRUE(got.contains("Передаточная характеристика"));
    // The picture is drawn as vectors: its labels are text in the PDF.
    EXPECT_TRUE(got.contains(ToQ(r.text[kRFMin]) + " кГц"));
}

TEST_F(WindowTest, HtmlReportIsWrittenAndAFailedWriteIsReported) {
    OpenWindow();
    kelvara::testing::TempDir dir;
    const QString html = QString::fromStdString((dir / "report.html").string());
    ASSERT_TRUE(window->WriteReport(html));
    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains("Результаты расчета"));
    EXPECT_TRUE(messages.empty());
    // A folder in the way: the write fails and says so.
    std::filesystem::create_directories(dir / "taken.html");
    EXPECT_FALSE(window->WriteReport(QString::fromStdString((dir / "taken.html").string())));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, u"Не удалось записать файл \"taken.html\".");
}

TEST_F(WindowTest, CtrlCCopiesTheResultsTable) {
    OpenWindow();
    QApplication::clipboard()->clear();
    window->CopyResults();
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<int>(kResultRows.size()) + 1);
    for (const QString& line : lines) EXPECT_EQ(line.count('\t'), 2) << line.toStdString();
    EXPECT_TRUE(lines[0].startsWith(ToQ(kGapReqLabel) + "\t"));
    // The shortcut outside an edit does the same.
    QApplication::clipboard()->clear();
    window->control(ctl::kCalculate)->setFocus();
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts).size(),
              lines.size());
}

// The transfer characteristic saves its picture (PNG at the screen's pixel
// ratio, or SVG) and its curve (CSV).
TEST(TransferExports, ImageAndCurveFiles) {
    kelvara::testing::TempDir dir;
    CPerChar window(nullptr, 4.384, 0.4, 0.6721, 1.0325, 100);
    window.show();
    const QString png = QString::fromStdString((dir / "plot.png").string());
    ASSERT_TRUE(window.SaveImage(png));
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), window.RenderPicture().size());
    const QString svg = QString::fromStdString((dir / "plot.svg").string());
    ASSERT_TRUE(window.SaveImage(svg));
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(svgFile.readAll());
    EXPECT_TRUE(svgText.startsWith("<svg "));
    EXPECT_TRUE(svgText.contains("67.21"));
    const QString csv = QString::fromStdString((dir / "curve.csv").string());
    ASSERT_TRUE(window.ExportCsv(csv));
    QFile csvFile(csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csvFile.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 17002);
    EXPECT_EQ(lines[0], "f_kHz,x,gain");
    EXPECT_EQ(lines[1].split(',').size(), 3);
    // A folder in the way: nothing is written.
    std::filesystem::create_directories(dir / "taken.csv");
    EXPECT_FALSE(window.ExportCsv(QString::fromStdString((dir / "taken.csv").string())));
}

}  // namespace
}  // namespace kelvara::ui
