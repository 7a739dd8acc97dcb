#include "textprint/TextPreview.h"

#include "dialogs/DialogService.h"
#include "textprint/TextExport.h"
#include "textprint/TextRenderer.h"
#include "widgets/NamedButton.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QShortcut>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zedera {

// The sheet of paper on screen: white, with the page drawn at the preview's zoom.
class TextPageView : public QWidget {
public:
    TextPageView(const TextDocument &document, QWidget *parent)
        : QWidget(parent), m_document(document)
    {
        setObjectName(QStringLiteral("pn_pagina"));
    }

    void show(int page, int zoom)
    {
        m_page = page;
        const TextPageRenderer renderer(m_document);
        const QSizeF inches = renderer.frameInches();
        const double scale = zoom / 100.0;
        m_pad = qRound(logicalDpiX() * 0.25 * scale);
        setFixedSize(qRound(inches.width() * logicalDpiX() * scale) + 2 * m_pad,
                     qRound(inches.height() * logicalDpiY() * scale) + 2 * m_pad);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::TextAntialiasing);
        if (m_page >= 1 && m_page <= m_document.pageCount())
            TextPageRenderer(m_document).paint(painter, m_page,
                                               QRectF(rect()).adjusted(m_pad, m_pad, -m_pad, -m_pad));
    }

private:
    const TextDocument &m_document;
    int m_page = 1;
    int m_pad = 0;
};

TextPreview::TextPreview(const TextDocument &document, const PrintSetup &setup, int marginMm,
                         QWidget *parent)
    : QDialog(parent), m_document(document), m_setup(setup), m_margin(marginMm)
{
    setObjectName(QStringLiteral("TextPreview"));
    setWindowTitle(QStringLiteral("Visualização"));

    m_first = namedButton(this, QStringLiteral("b_primeira"), QStringLiteral("|<"));
    m_previous = namedButton(this, QStringLiteral("b_anterior"), QStringLiteral("<"));
    m_next = namedButton(this, QStringLiteral("b_proxima"), QStringLiteral(">"));
    m_last = namedButton(this, QStringLiteral("b_ultima"), QStringLiteral(">|"));
    m_pageBox = new QSpinBox(this);
    m_pageBox->setObjectName(QStringLiteral("t_pagina"));
    m_pageBox->setRange(1, std::max(1, document.pageCount()));
    m_pageCount = new QLabel(QStringLiteral("de %1").arg(document.pageCount()), this);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("cb_zoom"));
    for (int z : {50, 75, 100, 125, 150, 200, 300})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(z), z);
    QPushButton *print = namedButton(this, QStringLiteral("b_imprimir"), QStringLiteral("&Imprimir"));
    QPushButton *pdf = namedButton(this, QStringLiteral("b_salvar_pdf"), QStringLiteral("Salvar &PDF"));
    QPushButton *text =
        namedButton(this, QStringLiteral("b_salvar_texto"), QStringLiteral("Salvar &texto"));
    QPushButton *close = namedButton(this, QStringLiteral("b_fechar"), QStringLiteral("&Fechar"));

    auto *bar = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{m_first, m_previous, m_pageBox, m_pageCount,
                                                       m_next, m_last, m_zoomBox})
        bar->addWidget(w);
    bar->addStretch();
    for (QWidget *w : std::initializer_list<QWidget *>{print, pdf, text, close})
        bar->addWidget(w);

    m_view = new TextPageView(document, this);
    m_scroll = new QScrollArea(this);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(m_view);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);
    resize(1000, 760);

    // Shortcuts rather than key handling, so the keys work whichever control has the focus (the
    // scroll area would otherwise take PgUp and PgDn for itself).
    const auto shortcut = [this](const QKeySequence &keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_PageDown), [this] { setPage(m_page + 1); });
    shortcut(QKeySequence(Qt::Key_PageUp), [this] { setPage(m_page - 1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { setPage(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { setPage(m_document.pageCount()); });
    shortcut(QKeySequence(Qt::Key_Plus), [this] { setZoom(m_zoom + 25); });
    shortcut(QKeySequence(Qt::Key_Minus), [this] { setZoom(m_zoom - 25); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printPages(); });

    connect(m_first, &QPushButton::clicked, this, [this] { setPage(1); });
    connect(m_previous, &QPushButton::clicked, this, [this] { setPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { setPage(m_page + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { setPage(m_document.pageCount()); });
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int page) { setPage(page); });
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { setZoom(m_zoomBox->itemData(index).toInt()); });
    connect(print, &QPushButton::clicked, this, [this] { printPages(); });
    connect(pdf, &QPushButton::clicked, this, [this] { saveAsPdf(); });
    connect(text, &QPushButton::clicked, this, [this] { saveAsText(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    setZoom(100);
    setPage(1);
}

TextPreview::~TextPreview() = default;

void TextPreview::setPage(int page)
{
    m_page = std::clamp(page, 1, std::max(1, m_document.pageCount()));
    m_view->show(m_page, m_zoom);
    updateControls();
}

void TextPreview::setZoom(int percent)
{
    m_zoom = std::clamp(percent, 25, 400);
    m_view->show(m_page, m_zoom);
    updateControls();
}

void TextPreview::updateControls()
{
    const QSignalBlocker pageBlock(m_pageBox);
    const QSignalBlocker zoomBlock(m_zoomBox);
    m_pageBox->setValue(m_page);
    const int zoomIndex = m_zoomBox->findData(m_zoom);
    if (zoomIndex >= 0) {
        m_zoomBox->setCurrentIndex(zoomIndex);
    } else {
        m_zoomBox->setEditText(QString());
    }
    m_first->setEnabled(m_page > 1);
    m_previous->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < m_document.pageCount());
    m_last->setEnabled(m_page < m_document.pageCount());
}

bool TextPreview::printPages()
{
    QPrinter printer(QPrinter::HighResolution);
    if (m_setup.destination == PrintSetup::Destination::Printer && !m_setup.printerName.isEmpty())
        printer.setPrinterName(m_setup.printerName);
    printer.setCopyCount(std::max(1, m_setup.copies));
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, std::max(1, m_document.pageCount()));
    if (DialogService::instance().exec(dialog) != QDialog::Accepted)
        return false;
    PrintSetup chosen = m_setup;
    chosen.fromPage = printer.printRange() == QPrinter::PageRange ? printer.fromPage() : 0;
    chosen.toPage = printer.printRange() == QPrinter::PageRange ? printer.toPage() : 0;
    return printDocument(m_document, printer, chosen, m_margin);
}

QString TextPreview::askFileName(const QString &title, const QString &filter, const QString &suffix)
{
    QFileDialog dialog(this, title, QDir::homePath(), filter);
    dialog.setObjectName(QStringLiteral("SaveReportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (DialogService::instance().exec(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool TextPreview::saveAsPdf()
{
    const QString path = askFileName(QStringLiteral("Salvar como PDF"),
                                     QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("pdf"));
    PrintSetup all = m_setup;
    all.fromPage = all.toPage = 0;
    return !path.isEmpty() && writePdf(m_document, path, all, m_margin);
}

bool TextPreview::saveAsText()
{
    const QString path = askFileName(QStringLiteral("Salvar como texto"),
                                     QStringLiteral("Texto (*.txt)"), QStringLiteral("txt"));
    PrintSetup all = m_setup;
    all.fromPage = all.toPage = 0;
    return !path.isEmpty() && writePlainText(m_document, path, all);
}

} // namespace zedera
