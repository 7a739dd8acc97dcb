#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace zedera {

// Where and how a report goes once it is laid out.
struct PrintSetup {
    enum class Destination {
        Printer, // a printer of the system, through Qt's print support
        Pdf,     // a PDF file
        Text,    // a plain text file
        Epson,   // dot-matrix codes, to a device or file path, or to a print queue by name
    };
    Destination destination = Destination::Printer;
    QString printerName; // Printer: the system printer (empty: the default one)
    QString target;      // Pdf, Text: file path; Epson: device or file path, or a queue name
    bool preview = true;
    int copies = 1;
    int fromPage = 0; // 0: from the first page
    int toPage = 0;   // 0: to the last page

    // Whether page `page` (from 1) is within the chosen range.
    bool includes(int page) const
    {
        return (fromPage <= 0 || page >= fromPage) && (toPage <= 0 || page <= toPage);
    }
};

// The print set-up asked before a report prints: printer, preview on or off, copies and pages.
// Opened through the dialog service, so tests answer it like any other modal window.
class PrintSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintSetupDialog(const PrintSetup &initial, QWidget *parent = nullptr);

    // The choice as the fields stand.
    PrintSetup setup() const;

    void accept() override;

private:
    void updateFields();

    QComboBox *m_destination = nullptr;
    QLineEdit *m_target = nullptr;
    QCheckBox *m_preview = nullptr;
    QSpinBox *m_copies = nullptr;
    QRadioButton *m_allPages = nullptr;
    QRadioButton *m_somePages = nullptr;
    QSpinBox *m_fromPage = nullptr;
    QSpinBox *m_toPage = nullptr;
};

} // namespace zedera
