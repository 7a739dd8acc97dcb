#include "textprint/PrintSetup.h"

#include "dialogs/DialogService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zedera {

PrintSetupDialog::PrintSetupDialog(const PrintSetup &initial, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintSetupDialog"));
    setWindowTitle(QStringLiteral("Configurar impressão"));

    // Each system printer, then the outputs that are not one; each item's data is its kind and
    // printer name.
    m_destination = new QComboBox(this);
    m_destination->setObjectName(QStringLiteral("cb_impressora"));
    const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
    for (const QString &name : QPrinterInfo::availablePrinterNames()) {
        m_destination->addItem(name == defaultPrinter ? name + QStringLiteral(" (padrão)") : name,
                               QVariantList{int(PrintSetup::Destination::Printer), name});
    }
    m_destination->addItem(QStringLiteral("Arquivo PDF"),
                           QVariantList{int(PrintSetup::Destination::Pdf), QString()});
    m_destination->addItem(QStringLiteral("Arquivo texto"),
                           QVariantList{int(PrintSetup::Destination::Text), QString()});
    m_destination->addItem(QStringLiteral("Matricial Epson (porta, arquivo ou fila)"),
                           QVariantList{int(PrintSetup::Destination::Epson), QString()});

    m_target = new QLineEdit(initial.target, this);
    m_target->setObjectName(QStringLiteral("t_arquivo"));

    m_preview = new QCheckBox(QStringLiteral("&Visualizar antes de imprimir"), this);
    m_preview->setObjectName(QStringLiteral("ck_visualizar"));
    m_preview->setChecked(initial.preview);

    m_copies = new QSpinBox(this);
    m_copies->setObjectName(QStringLiteral("t_copias"));
    m_copies->setRange(1, 999);
    m_copies->setValue(std::max(1, initial.copies));

    m_allPages = new QRadioButton(QStringLiteral("&Todas"), this);
    m_allPages->setObjectName(QStringLiteral("rb_todas"));
    m_somePages = new QRadioButton(QStringLiteral("&De"), this);
    m_somePages->setObjectName(QStringLiteral("rb_intervalo"));
    m_fromPage = new QSpinBox(this);
    m_fromPage->setObjectName(QStringLiteral("t_pagina_ini"));
    m_fromPage->setRange(1, 99999);
    m_toPage = new QSpinBox(this);
    m_toPage->setObjectName(QStringLiteral("t_pagina_fim"));
    m_toPage->setRange(1, 99999);
    const bool range = initial.fromPage > 0 || initial.toPage > 0;
    (range ? m_somePages : m_allPages)->setChecked(true);
    m_fromPage->setValue(std::max(1, initial.fromPage));
    m_toPage->setValue(initial.toPage > 0 ? initial.toPage : 99999);

    // Select the initial destination: the named printer, else the first item of its kind.
    int index = -1;
    for (int i = 0; i < m_destination->count() && index < 0; ++i) {
        const QVariantList data = m_destination->itemData(i).toList();
        if (data.at(0).toInt() != int(initial.destination))
            continue;
        if (initial.destination != PrintSetup::Destination::Printer
            || initial.printerName.isEmpty() || data.at(1).toString() == initial.printerName)
            index = i;
    }
    if (index < 0 && initial.destination == PrintSetup::Destination::Printer) {
        for (int i = 0; i < m_destination->count() && index < 0; ++i)
            if (m_destination->itemData(i).toList().at(1).toString() == defaultPrinter
                && !defaultPrinter.isEmpty())
                index = i;
    }
    m_destination->setCurrentIndex(std::max(0, index));

    auto *pages = new QHBoxLayout;
    pages->addWidget(m_allPages);
    pages->addWidget(m_somePages);
    pages->addWidget(m_fromPage);
    pages->addWidget(new QLabel(QStringLiteral("a"), this));
    pages->addWidget(m_toPage);
    pages->addStretch();

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Impressora:"), m_destination);
    form->addRow(QStringLiteral("&Arquivo / porta:"), m_target);
    form->addRow(QString(), m_preview);
    form->addRow(QStringLiteral("&Cópias:"), m_copies);
    form->addRow(QStringLiteral("Páginas:"), pages);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("&Confirmar"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("b_confirmar"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("C&ancelar"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("b_cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_destination, &QComboBox::currentIndexChanged, this, &PrintSetupDialog::updateFields);
    connect(m_allPages, &QRadioButton::toggled, this, &PrintSetupDialog::updateFields);
    updateFields();
}

void PrintSetupDialog::updateFields()
{
    const auto kind =
        PrintSetup::Destination(m_destination->currentData().toList().value(0).toInt());
    m_target->setEnabled(kind != PrintSetup::Destination::Printer);
    m_copies->setEnabled(kind == PrintSetup::Destination::Printer
                         || kind == PrintSetup::Destination::Epson);
    m_fromPage->setEnabled(m_somePages->isChecked());
    m_toPage->setEnabled(m_somePages->isChecked());
}

PrintSetup PrintSetupDialog::setup() const
{
    PrintSetup s;
    const QVariantList data = m_destination->currentData().toList();
    s.destination = PrintSetup::Destination(data.value(0).toInt());
    s.printerName = data.value(1).toString();
    s.target = m_target->text().trimmed();
    s.preview = m_preview->isChecked();
    s.copies = m_copies->value();
    if (m_somePages->isChecked()) {
        s.fromPage = m_fromPage->value();
        s.toPage = m_toPage->value();
    }
    return s;
}

void PrintSetupDialog::accept()
{
    const PrintSetup s = setup();
    // Without preview the output goes straight to its destination, which must then be known; with
    // preview the file is asked for when the user saves from it.
    if (!s.preview && s.destination != PrintSetup::Destination::Printer && s.target.isEmpty()) {
        dialogs().information(QStringLiteral("Informe o arquivo, a porta ou a fila de destino."));
        m_target->setFocus();
        return;
    }
    if (m_somePages->isChecked() && s.fromPage > s.toPage) {
        dialogs().information(QStringLiteral("A página inicial é maior que a final."));
        m_fromPage->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace zedera
