#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zedera {

class Banco;
struct ParametrosExercicio;
struct Sessao;

// The yearly parameters of the current exercise: the organisation printed on every report, its
// officers and which movement keeps the vehicles' current odometer. The program cannot work in an
// exercise without them: closing the window while the year has none asks to register them now or
// ends the program (encerrarPrograma() then tells the opener so).
class TF_Cad_Parametros : public QDialog {
    Q_OBJECT
public:
    TF_Cad_Parametros(Banco &banco, Sessao &sessao, QWidget *parent = nullptr);

    // 'I': the exercise has no parameters yet; 'A': it has them.
    QChar modo() const { return m_modo; }
    // True when the user chose to leave the program rather than register the parameters.
    bool encerrarPrograma() const { return m_encerrar; }

    void done(int resultado) override;

signals:
    // The parameters were saved and the session holds the new values.
    void parametrosGravados();

private:
    void montarCampos();
    void abrir();
    void preencher(const ParametrosExercicio &p);
    ParametrosExercicio doFormulario() const;
    void limparCampos();
    void definirModo(QChar modo);
    bool validarDados();
    void gravarSessao();
    bool existeRegistro();

    void b_gravarClick();
    void b_alterarClick();
    void b_excluirClick();

    Banco &m_banco;
    Sessao &m_sessao;
    QChar m_modo = u'I';
    bool m_encerrar = false;

    QLineEdit *t_ano = nullptr;
    QLineEdit *t_empresa = nullptr;
    QLineEdit *t_sigla = nullptr;
    QLineEdit *t_cnpj = nullptr;
    QLineEdit *t_end = nullptr;
    QLineEdit *t_compl = nullptr;
    QLineEdit *t_bairro = nullptr;
    QLineEdit *t_cid = nullptr;
    QLineEdit *t_uf = nullptr;
    QLineEdit *t_cep = nullptr;
    QLineEdit *t_fone = nullptr;
    QLineEdit *t_fax = nullptr;
    QLineEdit *t_email = nullptr;
    QLineEdit *t_detran = nullptr;
    QLineEdit *t_prefeito = nullptr;
    QLineEdit *t_diretor = nullptr;
    QLineEdit *t_chefe = nullptr;
    QRadioButton *m_kmVeiculos = nullptr;
    QRadioButton *m_kmAbastecimento = nullptr;
    QPushButton *b_gravar = nullptr;
    QPushButton *b_alterar = nullptr;
    QPushButton *b_excluir = nullptr;
    QPushButton *b_cancelar = nullptr;
    QPushButton *b_fechar = nullptr;
};

} // namespace zedera
