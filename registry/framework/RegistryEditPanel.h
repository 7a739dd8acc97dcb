#pragma once

#include "RegistryDescriptor.h"

#include <QHash>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QFormLayout;
class QLineEdit;

namespace zedera::registry {

// The data panel `pn_dados_cad` of the edit page, built from the descriptor's edit fields. A
// registry with behaviour of its own (a look-up when a field is entered, a field enabled by
// another) derives from it.
class RegistryEditPanel : public QWidget {
    Q_OBJECT
public:
    RegistryEditPanel(const RegistryDescriptor &descriptor, const RegistryEnvironment &environment,
                      QWidget *parent = nullptr);

    QLineEdit *codeEdit() const { return m_code; }
    // A field by objectName: one the descriptor made, or one a derived panel made itself.
    QWidget *field(const QString &objectName) const
    {
        if (QWidget *w = m_fields.value(objectName))
            return w;
        return findChild<QWidget *>(objectName);
    }
    // The text of a field as it will be written (a pick list's stored characters, a masked
    // field's digits).
    QString value(const QString &objectName) const;
    // The value of a field as the current record showed it (to tell an alteration apart).
    QString shownValue(const QString &objectName) const { return m_shown.value(objectName); }

    // limpar_campos: empty texts, first items chosen.
    virtual void clear();
    // mostrar_registro's part: the record's values into the fields.
    virtual void show(const RegistryRow &row);
    // The parameters of insert and update except :p_cod.
    virtual Bindings bindings() const;
    // Called when the focus enters one of the panel's fields, after the window's own rules.
    virtual void fieldEntered(QWidget *field) { Q_UNUSED(field); }

protected:
    const RegistryDescriptor &descriptor() const { return m_descriptor; }
    const RegistryEnvironment &environment() const { return m_env; }
    const EditField *fieldDefinition(const QString &objectName) const;
    // The form the fields sit in, for a registry that adds a control of its own.
    QFormLayout *form() const { return m_form; }
    void setFieldText(const QString &objectName, const QString &text);

private:
    QWidget *createField(const EditField &field);

    RegistryDescriptor m_descriptor;
    RegistryEnvironment m_env;
    QFormLayout *m_form = nullptr;
    QLineEdit *m_code = nullptr;
    QHash<QString, QWidget *> m_fields;
    QHash<QString, QButtonGroup *> m_radios;
    QHash<QString, QString> m_shown;
};

} // namespace zedera::registry
