#pragma once

#include "framework/RegistryEditPanel.h"

#include <functional>

class QComboBox;
class QFocusEvent;
class QLineEdit;
class QPlainTextEdit;

namespace zedera {
class DateEdit;
class DecimalEdit;
class IntegerEdit;
class PickerEdit;
} // namespace zedera

namespace zedera::fleet {

// True when the focus arrived because the user moved on (keys, mouse, a program step), not
// because a window over the field closed.
bool movedOn(const QFocusEvent *event);

// The data panel of the vehicle registry: every column of vkl_veiculos, the pickers of the coded
// fields and their descriptions, and the checks made before a vehicle is saved.
class VeiculoPanel : public registry::RegistryEditPanel {
    Q_OBJECT
public:
    // Opens the window that picks a value for a coded field and returns what was picked (code, and
    // sub-project for projects); empty when nothing was.
    using Picker = std::function<QStringList(QWidget *parent, const registry::RegistryEnvironment &env)>;

    VeiculoPanel(const registry::RegistryDescriptor &descriptor, const registry::RegistryEnvironment &environment,
                 QWidget *parent = nullptr);

    void clear() override;
    void show(const registry::RegistryRow &row) override;
    Bindings bindings() const override;

    // The checks, in order, before an insert (modo I) or alteration (modo A); false after the
    // failing check has shown its message and focused its field.
    bool validar(QChar modo);

    QString numero() const;
    void setNumero(const QString &numero);
    // The current reading loaded with the row, compared when an alteration is saved.
    qint64 kmCarregado() const { return m_kmCarregado; }

    // The window a field picks from ("t_tipo_veic", "t_tipo_combust", "t_motorista_padrao",
    // "t_setor", "t_proj"); none for another field.
    static Picker seletorPadrao(const QString &field);

signals:
    // The fields were emptied (a new record, or before a record is shown).
    void limpo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void pick(const QString &field);
    // The description of a code looked up as the focus moves on; false (message shown, focus on
    // the code) when the code is not registered.
    bool descrever(QWidget *entered);
    bool lookUp(QLineEdit *code, QLineEdit *descr, const QString &sql, const Bindings &binds,
                const QString &absent);
    bool refuse(const QString &message, QWidget *focus);
    bool exists(const QString &sql, const Bindings &binds) const;
    bool setorVazio() const;
    bool controlaKm() const;

    qint64 m_kmCarregado = 0;

    QLineEdit *m_nro = nullptr;
    QLineEdit *m_modelo = nullptr;
    QLineEdit *m_marca = nullptr;
    IntegerEdit *m_anoFabr = nullptr;
    IntegerEdit *m_anoMod = nullptr;
    PickerEdit *m_tipoVeic = nullptr;
    QLineEdit *m_descrTipoVeic = nullptr;
    PickerEdit *m_tipoCombust = nullptr;
    QLineEdit *m_descrTipoCombust = nullptr;
    QLineEdit *m_nroChassi = nullptr;
    QLineEdit *m_letraPlaca = nullptr;
    IntegerEdit *m_nroPlaca = nullptr;
    QComboBox *m_mesLicenc = nullptr;
    IntegerEdit *m_lotacao = nullptr;
    IntegerEdit *m_velocMin = nullptr;
    IntegerEdit *m_velocMax = nullptr;
    IntegerEdit *m_kmMin = nullptr;
    IntegerEdit *m_kmMax = nullptr;
    IntegerEdit *m_capacTanque = nullptr;
    DecimalEdit *m_consMin = nullptr;
    DecimalEdit *m_consMax = nullptr;
    DateEdit *m_dtAquis = nullptr;
    IntegerEdit *m_kmAquis = nullptr;
    IntegerEdit *m_kmAtual = nullptr;
    DecimalEdit *m_estado = nullptr;
    QLineEdit *m_placaPatrim = nullptr;
    PickerEdit *m_setor = nullptr;
    QLineEdit *m_descrSetor = nullptr;
    QLineEdit *m_setorConv = nullptr;
    PickerEdit *m_proj = nullptr;
    QLineEdit *m_sproj = nullptr;
    QLineEdit *m_descrProj = nullptr;
    PickerEdit *m_motorista = nullptr;
    QLineEdit *m_nomeMotorista = nullptr;
    DateEdit *m_dtAlienacao = nullptr;
    QComboBox *m_declaravel = nullptr;
    QComboBox *m_pertence = nullptr;
    QComboBox *m_contrKm = nullptr;
    QComboBox *m_baixa = nullptr;
    IntegerEdit *m_kmVirada = nullptr;
    QPlainTextEdit *m_descrBaixa = nullptr;
};

} // namespace zedera::fleet
