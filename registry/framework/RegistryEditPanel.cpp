#include "RegistryEditPanel.h"

#include "db/Decimal.h"
#include "widgets/FieldRules.h"
#include "widgets/NumericEdit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace zedera::registry {

RegistryEditPanel::RegistryEditPanel(const RegistryDescriptor &descriptor, const RegistryEnvironment &environment,
                                     QWidget *parent)
    : QWidget(parent), m_descriptor(descriptor), m_env(environment)
{
    setObjectName(QStringLiteral("pn_dados_cad"));
    auto *form = m_form = new QFormLayout(this);
    m_code = new QLineEdit(this);
    m_code->setObjectName(descriptor.codeField);
    makeDigitsOnly(m_code, 6);
    m_code->setMaximumWidth(90);
    form->addRow(QStringLiteral("Código"), m_code);
    for (const EditField &f : descriptor.editFields) {
        QWidget *w = createField(f);
        m_fields.insert(f.objectName, w);
        if (f.kind == EditField::Kind::Radio)
            form->addRow(w);
        else
            form->addRow(f.label, w);
    }
}

QWidget *RegistryEditPanel::createField(const EditField &f)
{
    switch (f.kind) {
    case EditField::Kind::Choice: {
        auto *combo = new QComboBox(this);
        combo->setObjectName(f.objectName);
        combo->addItems(f.items);
        return combo;
    }
    case EditField::Kind::Radio: {
        auto *box = new QGroupBox(f.label, this);
        box->setObjectName(f.objectName);
        auto *grid = new QGridLayout(box);
        auto *group = new QButtonGroup(box);
        const int columns = std::max(1, f.radioColumns);
        for (int i = 0; i < f.items.size(); ++i) {
            auto *b = new QRadioButton(f.items.at(i), box);
            group->addButton(b, i);
            grid->addWidget(b, i / columns, i % columns);
        }
        m_radios.insert(f.objectName, group);
        return box;
    }
    case EditField::Kind::Money: {
        auto *edit = new DecimalEdit(this);
        edit->setObjectName(f.objectName);
        edit->setDisplayFormat(QStringLiteral(",#0.00"));
        edit->setReadOnly(f.readOnly);
        return edit;
    }
    case EditField::Kind::Text:
    case EditField::Kind::Digits: {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(f.objectName);
        if (f.kind == EditField::Kind::Digits)
            makeDigitsOnly(edit, f.maxLength > 0 ? f.maxLength : 15);
        else if (!f.mask.isEmpty())
            edit->setInputMask(f.mask);
        else if (f.maxLength > 0)
            edit->setMaxLength(f.maxLength);
        if (f.upper)
            makeUpperCase(edit);
        edit->setReadOnly(f.readOnly);
        return edit;
    }
    }
    return nullptr;
}

const EditField *RegistryEditPanel::fieldDefinition(const QString &objectName) const
{
    for (const EditField &f : m_descriptor.editFields)
        if (f.objectName == objectName)
            return &f;
    return nullptr;
}

QString RegistryEditPanel::value(const QString &objectName) const
{
    if (objectName == m_descriptor.codeField)
        return m_code->text();
    const EditField *f = fieldDefinition(objectName);
    QWidget *w = field(objectName);
    if (!f || !w)
        return {};
    QString text;
    switch (f->kind) {
    case EditField::Kind::Choice:
        text = static_cast<QComboBox *>(w)->currentText().left(f->storedChars);
        break;
    case EditField::Kind::Radio: {
        const int id = m_radios.value(objectName)->checkedId();
        text = id < 0 ? QString() : f->items.at(id).left(f->storedChars);
        break;
    }
    case EditField::Kind::Money:
        text = static_cast<DecimalEdit *>(w)->value().toString(2);
        break;
    default: {
        auto *edit = static_cast<QLineEdit *>(w);
        // Masked texts are kept as their digits only, without the mask's literals.
        text = f->mask.isEmpty() ? edit->text().trimmed() : digitsOf(edit->text());
        break;
    }
    }
    if (f->emptyAsZero && text.isEmpty())
        text = QStringLiteral("0");
    return text;
}

void RegistryEditPanel::setFieldText(const QString &objectName, const QString &text)
{
    if (objectName == m_descriptor.codeField) {
        m_code->setText(text);
        return;
    }
    const EditField *f = fieldDefinition(objectName);
    QWidget *w = field(objectName);
    if (!f || !w)
        return;
    switch (f->kind) {
    case EditField::Kind::Choice: {
        auto *combo = static_cast<QComboBox *>(w);
        int index = -1;
        for (int i = 0; i < f->items.size(); ++i)
            if (!text.isEmpty() && f->items.at(i).left(f->storedChars) == text)
                index = i;
        combo->setCurrentIndex(index);
        break;
    }
    case EditField::Kind::Radio: {
        QButtonGroup *group = m_radios.value(objectName);
        // A value that is none of the items shows as the last one ("NÃO", "Nenhum controle").
        int index = int(f->items.size()) - 1;
        for (int i = 0; i < f->items.size(); ++i)
            if (!text.isEmpty() && f->items.at(i).left(f->storedChars) == text)
                index = i;
        if (QAbstractButton *b = group->button(index))
            b->setChecked(true);
        break;
    }
    case EditField::Kind::Money:
        static_cast<DecimalEdit *>(w)->setValue(Decimal::parse(text).value_or(Decimal()));
        break;
    default:
        static_cast<QLineEdit *>(w)->setText(text);
        break;
    }
}

void RegistryEditPanel::clear()
{
    m_code->clear();
    for (const EditField &f : m_descriptor.editFields) {
        QWidget *w = field(f.objectName);
        if (f.kind == EditField::Kind::Choice)
            static_cast<QComboBox *>(w)->setCurrentIndex(0);
        else if (f.kind == EditField::Kind::Radio)
            m_radios.value(f.objectName)->button(0)->setChecked(true);
        else if (f.kind == EditField::Kind::Money)
            static_cast<DecimalEdit *>(w)->clearValue();
        else
            static_cast<QLineEdit *>(w)->clear();
    }
    m_shown.clear();
}

void RegistryEditPanel::show(const RegistryRow &row)
{
    clear();
    m_code->setText(row.text(m_descriptor.codeColumn));
    for (const EditField &f : m_descriptor.editFields) {
        if (f.column.isEmpty())
            continue;
        const QString text = f.kind == EditField::Kind::Money ? Decimal::fromVariant(row.value(f.column)).toString(2)
                                                              : row.text(f.column);
        setFieldText(f.objectName, text);
        m_shown.insert(f.objectName, value(f.objectName));
    }
}

Bindings RegistryEditPanel::bindings() const
{
    Bindings b;
    for (const EditField &f : m_descriptor.editFields) {
        if (f.param.isEmpty())
            continue;
        const QString text = value(f.objectName);
        if (f.kind == EditField::Kind::Money)
            b.append({f.param, QVariant::fromValue(static_cast<DecimalEdit *>(field(f.objectName))->value())});
        else if (f.kind == EditField::Kind::Digits)
            b.append({f.param, text.isEmpty() ? QVariant() : QVariant(text.toLongLong())});
        else
            b.append({f.param, text});
    }
    return b;
}

} // namespace zedera::registry
