#pragma once

#include "textprint/PrintSetup.h"
#include "textprint/TextDocument.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace zedera {

class TextPageView;

// The preview ("Visualização"): every page as it will print, one at a time, with page navigation,
// zoom, printing through the system's print dialog and saving as PDF or plain text. Keys: PgUp and
// PgDn turn pages, Ctrl+Home and Ctrl+End go to the first and last, + and - zoom, Ctrl+P prints,
// Esc closes.
class TextPreview : public QDialog {
    Q_OBJECT
public:
    TextPreview(const TextDocument &document, const PrintSetup &setup, int marginMm,
                QWidget *parent = nullptr);
    ~TextPreview() override;

    int currentPage() const { return m_page; }
    void setPage(int page);
    int zoom() const { return m_zoom; }
    void setZoom(int percent);

    // The buttons' actions, each asking what it needs through the dialog service.
    bool printPages();
    bool saveAsPdf();
    bool saveAsText();

private:
    QString askFileName(const QString &title, const QString &filter, const QString &suffix);
    void updateControls();

    const TextDocument &m_document;
    PrintSetup m_setup;
    int m_margin;
    int m_page = 1;
    int m_zoom = 100;

    TextPageView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QPushButton *m_first = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_last = nullptr;
    QSpinBox *m_pageBox = nullptr;
    QLabel *m_pageCount = nullptr;
    QComboBox *m_zoomBox = nullptr;
};

} // namespace zedera
