#pragma once

#include "db/Decimal.h"
#include "textprint/PrintSetup.h"
#include "textprint/TextDocument.h"

#include <QObject>
#include <QString>

namespace zedera {

// The text-report printer a report window owns. The window opens the report, asks for the set-up,
// places its texts on a grid of rows x columns at the page's pitch and closes it, which shows the
// preview or sends the pages to their destination. Page headers and footers are printed by the
// window's handlers of OnNewPage and OnBeforeNewPage. Rows and columns count from 1.
//
// Both modal windows open through the dialog service: the set-up as "PrintSetupDialog" (fields
// cb_impressora, t_arquivo, ck_visualizar, t_copias, rb_todas, rb_intervalo, t_pagina_ini,
// t_pagina_fim; buttons b_confirmar, b_cancelar) and the preview as "TextPreview". A test answers
// them through the scripted double and reads the pages from document(), which stays after Fechar.
class TextPrinter : public QObject {
    Q_OBJECT
public:
    explicit TextPrinter(QObject *parent = nullptr);
    ~TextPrinter() override;

    // Page settings; they take effect at the next Abrir.
    int TamanhoQteLinhas() const { return m_rows; }
    void setTamanhoQteLinhas(int rows) { m_rows = rows; }
    int TamanhoQteColunas() const { return m_columns; }
    void setTamanhoQteColunas(int columns) { m_columns = columns; }
    TextPitch FonteTamanhoPadrao() const { return m_pitch; }
    void setFonteTamanhoPadrao(TextPitch pitch) { m_pitch = pitch; }

    // Output settings: what Setup proposes, and what Fechar uses when Setup was not asked.
    int NumerodeCopias() const { return m_defaults.copies; }
    void setNumerodeCopias(int copies) { m_defaults.copies = copies; }
    bool previewEnabled() const { return m_defaults.preview; }
    void setPreviewEnabled(bool on) { m_defaults.preview = on; }
    // The dot-matrix port proposed for raw output ("LPT1" is the first parallel port).
    QString PortaComunicacao() const { return m_port; }
    void setPortaComunicacao(const QString &port) { m_port = port; }
    // Page margin in millimetres, for printers and PDF.
    int Margens() const { return m_margin; }
    void setMargens(int millimetres) { m_margin = millimetres; }
    QString previewCaption() const { return m_caption; }
    void setPreviewCaption(const QString &caption) { m_caption = caption; }
    int previewZoom() const { return m_zoom; }
    void setPreviewZoom(int percent) { m_zoom = percent; }
    // The set-up Setup proposes (Setup keeps the user's last choice here).
    const PrintSetup &defaultSetup() const { return m_defaults; }
    void setDefaultSetup(const PrintSetup &setup) { m_defaults = setup; }

    // Starts a report: an empty page 1, whose OnNewPage is raised before this returns.
    void Abrir();
    // Asks printer, preview, copies and pages. False when the user cancels, which abandons the
    // report: nothing more is placed and Fechar outputs nothing.
    bool Setup();
    void Imp(int row, int column, const QString &text);
    void ImpF(int row, int column, const QString &text, int style);
    // Centred on the column / ending just before it: the text starts max(1, column - k) with k half
    // its width, or its whole width, in columns of the page's pitch.
    void ImpC(int row, int column, const QString &text, int style = 0);
    void ImpD(int row, int column, const QString &text, int style = 0);
    // The value through the number mask, blank-padded on the left to the length of the mask's
    // first section, from the column on.
    void ImpVal(int row, int column, const QString &mask, const Decimal &value, int style = 0);
    // Ends the current page (OnBeforeNewPage) and starts the next (OnNewPage).
    void NovaPagina();
    // Ends the last page and shows the preview or outputs the report; nothing after a cancelled
    // Setup.
    void Fechar();
    // The page being laid out, from 1.
    int Pagina() const { return m_page; }

    // The pages of the report being laid out, or of the last one closed.
    const TextDocument &document() const { return m_document; }
    // What the last Setup answered (the defaults when it was not asked).
    const PrintSetup &currentSetup() const { return m_setup; }
    bool isOpen() const { return m_state == State::Open; }

    // Sends a finished document to a destination; used by Fechar without preview and by the
    // preview's buttons. False, after telling the user why, when it could not be written.
    static bool output(const TextDocument &document, const PrintSetup &setup, int marginMm);

signals:
    void OnNewPage(zedera::TextPrinter *sender, int pagina);
    void OnBeforeNewPage(zedera::TextPrinter *sender, int pagina);

private:
    enum class State { Idle, Open, Cancelled };
    bool placing() const { return m_state == State::Open; }
    void place(int row, int column, const QString &text, int style);

    int m_rows = 66;
    int m_columns = 80;
    TextPitch m_pitch = TextPitch::S10cpp;
    QString m_port = QStringLiteral("LPT1");
    int m_margin = 10;
    QString m_caption = QStringLiteral("Visualização");
    int m_zoom = 100;
    PrintSetup m_defaults;
    PrintSetup m_setup;

    State m_state = State::Idle;
    int m_page = 0;
    TextDocument m_document;
};

} // namespace zedera
