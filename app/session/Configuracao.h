#pragma once

#include <QString>
#include <QPair>
#include <QStringList>

#include <optional>

namespace zedera {

struct Sessao;

// The configuration selector given on the command line: at most one argument, 0, 1 or 2 choosing
// config_vkl.ini, config_vkl1.ini or config_vkl2.ini. Any other number selects no file (the
// configuration dialog then serves this run only); more than one argument counts as none.
struct SeletorConfiguracao {
    int config = 0;
    // Set when the one argument is not a whole number; the start must stop with it.
    QString erro;
    bool valido() const { return erro.isEmpty(); }
};
// `argumentos` are the command-line arguments after the program's name.
SeletorConfiguracao lerSeletor(const QStringList &argumentos);

// "config_vkl.ini", "config_vkl1.ini", "config_vkl2.ini"; empty for any other selector.
QString nomeArquivoConfiguracao(int config);

// A small INI file read and written verbatim: values are taken exactly as typed (database folders
// like "c:\banco\" keep their backslashes), keys and sections match without regard to case, and
// writing a key keeps every other line of the file.
class ArquivoIni {
public:
    explicit ArquivoIni(const QString &caminho);
    bool existe() const;
    // Empty when the file, the section or the key is missing.
    QString ler(const QString &secao, const QString &chave) const;
    bool contem(const QString &secao, const QString &chave) const;
    // Writes the keys in one go (the file is replaced atomically); returns false when the file
    // cannot be written.
    bool gravar(const QString &secao, const QList<QPair<QString, QString>> &valores);

private:
    std::optional<QString> procurar(const QString &secao, const QString &chave) const;
    QString m_caminho;
};

// Where the program keeps its files: the folder of the executable while it can be written, and the
// user's configuration folder otherwise (an installed program's folder belongs to root). A file
// already present in the program's folder is used from there.
class PastasPrograma {
public:
    PastasPrograma(const QString &pastaPrograma, const QString &pastaUsuario);
    // The executable's folder and QStandardPaths' configuration folder of this program.
    static PastasPrograma padrao();

    // The file to read: the program's folder first, then the user's; empty when neither has it.
    QString localizar(const QString &nomeArquivo) const;
    // Where to write (or create) the file: where it already is when that folder can be written,
    // otherwise the first writable of the program's and the user's folder (created when needed).
    QString destino(const QString &nomeArquivo) const;

    const QString &pastaPrograma() const { return m_pastaPrograma; }
    const QString &pastaUsuario() const { return m_pastaUsuario; }

private:
    QString m_pastaPrograma;
    QString m_pastaUsuario;
};

// Section VKL of the selected configuration file into the session: CAMINHO_BD, IP, CAMINHO_BK,
// CAMINHO_MAP, and the optional database account USUARIO_BD / SENHA_BD. Returns whether a file was
// read. Missing keys read as empty.
bool lerConfiguracao(const PastasPrograma &pastas, Sessao &sessao);
// Writes the four values of the session to the selected file, creating it. Nothing is written for
// a selector outside 0..2. Returns false when the file could not be written.
bool gravarConfiguracao(const PastasPrograma &pastas, const Sessao &sessao);

} // namespace zedera
