// The text-report printer's outputs: drawing on a device, PDF, plain text, dot-matrix codes and the
// preview window.
#include "ScriptedDialogService.h"
#include "textprint/TextExport.h"
#include "textprint/TextPreview.h"
#include "textprint/TextRenderer.h"

#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

using namespace zedera;
using zedera::testing::ScriptedDialogService;

namespace {

// Three pages of an 80-column list; each page names itself on row 1, and page 2 carries a mark at
// row 30, column 41 and a 17 cpi word at row 40, column 11.
TextDocument threePages()
{
    TextDocument doc(66, 80, TextPitch::S10cpp);
    for (int page = 1; page <= 3; ++page) {
        doc.addPage();
        doc.place({1, 1, QStringLiteral("PAGINA%1").arg(page), 0});
        doc.place({65, 1, QStringLiteral("RODAPE%1").arg(page), textstyle::Cpi17});
    }
    return doc;
}

TextDocument withMarks()
{
    TextDocument doc = threePages();
    // place() writes on the last page; build page 2's marks on a copy of the layout instead.
    TextDocument out(66, 80, TextPitch::S10cpp);
    for (int page = 1; page <= 3; ++page) {
        out.addPage();
        for (const TextSpan &s : doc.spans(page))
            out.place(s);
        if (page == 2) {
            out.place({30, 41, QStringLiteral("MARCA"), 0});
            out.place({40, 11, QStringLiteral("CONDENSADO"), textstyle::Cpi17});
            out.place({40, 41, QStringLiteral("NORMALSIZE"), 0});
        }
    }
    return out;
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(run(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

struct Box {
    double xMin = -1, yMin = -1, xMax = -1, yMax = -1;
};

// The box of a word on a page of a PDF, in points from the top-left corner.
Box wordBox(const QString &pdf, int page, const QString &word)
{
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                              QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                               "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">%1</word>")
                                    .arg(word));
    const auto m = re.match(html);
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
            m.captured(4).toDouble()};
}

// Columns of ink in a band of rows of an image: [first, last] x of each stretch of dark pixels.
QList<QPair<int, int>> inkSpans(const QImage &image, int top, int bottom)
{
    QList<QPair<int, int>> spans;
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        bool ink = false;
        for (int y = top; x < image.width() && y < bottom && !ink; ++y)
            ink = qGray(image.pixel(x, y)) < 128;
        if (ink && start < 0)
            start = x;
        if (!ink && start >= 0) {
            spans.append({start, x - 1});
            start = -1;
        }
    }
    return spans;
}

// How much ink a band of rows carries: the sum of every pixel's darkness.
int inkCount(const QImage &image, int top, int bottom)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            n += 255 - qGray(image.pixel(x, y));
    return n;
}

} // namespace

class TestTextPrintOutput : public QObject {
    Q_OBJECT
private slots:
    void columnsLineUpOnTheDevice();
    void pdfHasEveryPageAndTheTextInItsPlace();
    void pdfOfARangeAndFailedWrites();
    void plainTextOfARange();
    void epsonCodes();
    void transliteration_data();
    void transliteration();
    void previewNavigatesZoomsAndSaves();
};

void TestTextPrintOutput::columnsLineUpOnTheDevice()
{
    // At one pixel per dot a 10 cpi cell is 12 pixels wide and a row 20 pixels high.
    TextDocument doc(66, 80, TextPitch::S10cpp);
    const QString block(1, QChar(0x2588));
    doc.place({1, 1, block, 0});
    doc.place({1, 41, block, 0});
    doc.place({1, 80, block, 0});
    doc.place({3, 11, block.repeated(5), textstyle::Cpi17});
    doc.place({5, 1, QStringLiteral("MMMMMMMM"), 0});
    doc.place({6, 1, QStringLiteral("MMMMMMMM"), textstyle::Bold});

    QImage image(doc.pageWidthDots(), doc.pageHeightDots(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TextPageRenderer(doc).paint(painter, 1, QRectF(image.rect()));
    }
    auto near = [](const QPair<int, int> &actual, int first, int last) {
        return qAbs(actual.first - first) <= 1 && qAbs(actual.second - last) <= 1;
    };
    const auto row1 = inkSpans(image, 0, 20);
    QCOMPARE(row1.size(), 3);
    QVERIFY2(near(row1.at(0), 0, 11), qPrintable(QString::number(row1.at(0).first)));
    QVERIFY2(near(row1.at(1), 480, 491), qPrintable(QString::number(row1.at(1).first)));
    QVERIFY2(near(row1.at(2), 948, 959), qPrintable(QString::number(row1.at(2).first)));
    // Five condensed cells of 7 dots from column 11.
    const auto row3 = inkSpans(image, 40, 60);
    QCOMPARE(row3.size(), 1);
    QVERIFY2(near(row3.at(0), 120, 154),
             qPrintable(QStringLiteral("%1-%2").arg(row3.at(0).first).arg(row3.at(0).second)));
    // Bold shows as bold.
    QVERIFY(inkCount(image, 100, 120) > inkCount(image, 80, 100) * 6 / 5);
}

void TestTextPrintOutput::pdfHasEveryPageAndTheTextInItsPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    const TextDocument doc = withMarks();
    QVERIFY(writePdf(doc, path, {}, 10));
    QCOMPARE(pdfPages(path), 3);

    // A4 with 10 mm margins; the 8 x 11 inch frame is scaled to the margins' width.
    const double margin = 10 / 25.4 * 72;
    const double scale = (595.276 - 2 * margin) / 576.0;
    const double column = 7.2 * scale; // a 10 cpi column in points
    const double row = 12.0 * scale;
    for (int page = 1; page <= 3; ++page) {
        const Box b = wordBox(path, page, QStringLiteral("PAGINA%1").arg(page));
        QVERIFY2(qAbs(b.xMin - margin) < 1.0, qPrintable(QString::number(b.xMin)));
        QVERIFY(b.yMin >= margin - 1 && b.yMax <= margin + row + 1);
    }
    const Box mark = wordBox(path, 2, QStringLiteral("MARCA"));
    QVERIFY2(qAbs(mark.xMin - (margin + 40 * column)) < 1.0, qPrintable(QString::number(mark.xMin)));
    QVERIFY2(mark.yMin >= margin + 29 * row - 1 && mark.yMax <= margin + 30 * row + 1,
             qPrintable(QString::number(mark.yMin)));
    QCOMPARE(wordBox(path, 1, QStringLiteral("MARCA")).xMin, -1.0);
    // Ten condensed characters take 7/12 of the width of ten at the page's pitch.
    const Box condensed = wordBox(path, 2, QStringLiteral("CONDENSADO"));
    const Box normal = wordBox(path, 2, QStringLiteral("NORMALSIZE"));
    QVERIFY2(qAbs(condensed.xMin - (margin + 10 * column)) < 1.0, qPrintable(QString::number(condensed.xMin)));
    QVERIFY(qAbs((normal.xMax - normal.xMin) - 10 * column) < 2.0);
    QVERIFY(qAbs((condensed.xMax - condensed.xMin) - 10 * column * 7 / 12) < 2.0);
}

void TestTextPrintOutput::pdfOfARangeAndFailedWrites()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("parte.pdf"));
    PrintSetup range;
    range.fromPage = 2;
    range.toPage = 3;
    QVERIFY(writePdf(threePages(), path, range, 10));
    QCOMPARE(pdfPages(path), 2);
    QCOMPARE(wordBox(path, 1, QStringLiteral("PAGINA2")).xMin > 0, true);

    // A folder that does not exist: the user is told, nothing is left behind.
    ScriptedDialogService dialogs;
    const QString bad = dir.filePath(QStringLiteral("nao/existe.pdf"));
    QVERIFY(!writePdf(threePages(), bad, {}, 10));
    QVERIFY(!writePlainText(threePages(), bad, {}));
    QCOMPARE(dialogs.texts(ScriptedDialogService::Kind::Error),
             QStringList(2, QStringLiteral("Não foi possível gravar o arquivo %1.").arg(bad)));
    QVERIFY(!QFile::exists(bad));
}

void TestTextPrintOutput::plainTextOfARange()
{
    PrintSetup range;
    range.fromPage = 2;
    const QString rows64(63, u'\n');
    QCOMPARE(plainText(threePages(), range),
             QStringLiteral("PAGINA2\n") + rows64 + QStringLiteral("RODAPE2\n\f")
                 + QStringLiteral("PAGINA3\n") + rows64 + QStringLiteral("RODAPE3\n"));
}

void TestTextPrintOutput::epsonCodes()
{
    TextDocument doc(3, 10, TextPitch::S10cpp);
    doc.addPage();
    doc.place({1, 1, QStringLiteral("----------"), 0});
    doc.place({1, 2, QStringLiteral("Ação"), textstyle::Bold});
    doc.place({3, 2, QStringLiteral("x"), textstyle::Cpi17 | textstyle::Expanded});
    doc.addPage();
    doc.place({2, 10, QStringLiteral("z"), 0});

    const QByteArray header("\x1b@\x1b" "2\x1b" "C\x03", 7);
    const QByteArray page1 = QByteArray("\x1b$\x00\x00\x1bP\x12-", 8) + QByteArray("\r\n", 0)
        + QByteArray("\x1b$\x06\x00\x1bP\x12\x1b" "EAcao\x1b" "F", 15)
        + QByteArray("\x1b$\x1e\x00\x1bP\x12-----", 12) + "\r\n" + "\r\n"
        + QByteArray("\x1b$\x06\x00\x1bP\x0f\x1bW\x01x\x1bW\x00", 14) + "\r\n" + "\f";
    const QByteArray page2 = QByteArray("\r\n") + QByteArray("\x1b$\x36\x00\x1bP\x12z", 8) + "\r\n\f";
    QCOMPARE(epsonBytes(doc), header + page1 + page2);

    PrintSetup second;
    second.fromPage = 2;
    QCOMPARE(epsonBytes(doc, second), header + page2);

    // To a device or file path, as many copies as asked.
    QTemporaryDir dir;
    second.target = dir.filePath(QStringLiteral("lp0"));
    second.copies = 2;
    QVERIFY(sendEpson(doc, second));
    QFile out(second.target);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), (header + page2).repeated(2));
}

void TestTextPrintOutput::transliteration_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii unchanged") << "Km 1.234,50 (x) - ok" << QByteArray("Km 1.234,50 (x) - ok");
    QTest::newRow("acute and grave") << "ÁÉÍÓÚáéíóúàÀ" << QByteArray("AEIOUaeiouaA");
    QTest::newRow("circumflex, tilde") << "ÂÊÔâêôÃÕãõ" << QByteArray("AEOaeoAOao");
    QTest::newRow("cedilla, diaeresis") << "Çç Üü" << QByteArray("Cc Uu");
    QTest::newRow("ordinals") << "nº 2ª 5°" << QByteArray("no 2a 5o");
    QTest::newRow("no ascii letter") << "€ ✓" << QByteArray("? ?");
}

void TestTextPrintOutput::transliteration()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(transliterate(text), bytes);
}

void TestTextPrintOutput::previewNavigatesZoomsAndSaves()
{
    const TextDocument doc = threePages();
    PrintSetup setup;
    TextPreview preview(doc, setup, 10);
    preview.show();
    QVERIFY(QTest::qWaitForWindowActive(&preview));
    QCOMPARE(preview.currentPage(), 1);
    auto *next = preview.findChild<QPushButton *>(QStringLiteral("b_proxima"));
    auto *previous = preview.findChild<QPushButton *>(QStringLiteral("b_anterior"));
    QVERIFY(!previous->isEnabled());
    next->click();
    QCOMPARE(preview.currentPage(), 2);
    // The keys turn pages whichever control has the focus, the scrolled sheet included.
    QWidget *scroll = preview.findChild<QScrollArea *>();
    scroll->setFocus();
    QTest::keyClick(scroll, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(preview.currentPage(), 3);
    QVERIFY(!next->isEnabled());
    QTest::keyClick(scroll, Qt::Key_PageDown);
    QCOMPARE(preview.currentPage(), 3);
    QTest::keyClick(scroll, Qt::Key_PageUp);
    QCOMPARE(preview.currentPage(), 2);
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(preview.currentPage(), 1);
    QTest::keyClick(next, Qt::Key_PageDown);
    QCOMPARE(preview.currentPage(), 2);

    QWidget *sheet = preview.findChild<QWidget *>(QStringLiteral("pn_pagina"));
    const int width100 = sheet->width();
    preview.setZoom(200);
    QVERIFY(qAbs(sheet->width() - 2 * width100) <= 2);

    QTemporaryDir dir;
    ScriptedDialogService dialogs;
    auto saveAs = [&](const QString &path) {
        return [path](QDialog &d) {
            static_cast<QFileDialog &>(d).selectFile(path);
            return int(QDialog::Accepted);
        };
    };
    const QString txt = dir.filePath(QStringLiteral("lista.txt"));
    const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
    const QString printed = dir.filePath(QStringLiteral("impresso.pdf"));
    dialogs.expectExec(QStringLiteral("SaveReportDialog"), saveAs(txt));
    preview.findChild<QPushButton *>(QStringLiteral("b_salvar_texto"))->click();
    dialogs.expectExec(QStringLiteral("SaveReportDialog"), saveAs(pdf));
    preview.findChild<QPushButton *>(QStringLiteral("b_salvar_pdf"))->click();
    // Printing goes through the system's print dialog; here it prints page 3 to a file.
    dialogs.expectExec([printed](QDialog &d) {
        QPrinter *printer = static_cast<QPrintDialog &>(d).printer();
        printer->setOutputFileName(printed);
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(3, 3);
        return int(QDialog::Accepted);
    });
    preview.findChild<QPushButton *>(QStringLiteral("b_imprimir"))->click();

    QFile text(txt);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(text.readAll()), plainText(doc));
    QCOMPARE(pdfPages(pdf), 3);
    QCOMPARE(pdfPages(printed), 1);
    QVERIFY(wordBox(printed, 1, QStringLiteral("PAGINA3")).xMin > 0);
    QCOMPARE(dialogs.unexpected(), QStringList());
}

QTEST_MAIN(TestTextPrintOutput)
#include "tst_textprintoutput.moc"
