#include "session/Configuracao.h"

#include "session/Sessao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace zedera {

SeletorConfiguracao lerSeletor(const QStringList &argumentos)
{
    SeletorConfiguracao s;
    if (argumentos.size() != 1)
        return s;
    bool ok = false;
    const int valor = argumentos.first().toInt(&ok);
    if (!ok) {
        s.erro = QStringLiteral("'%1' não é um número de configuração válido (use 0, 1 ou 2).")
                     .arg(argumentos.first());
        return s;
    }
    s.config = valor;
    return s;
}

QString nomeArquivoConfiguracao(int config)
{
    switch (config) {
    case 0: return QStringLiteral("config_vkl.ini");
    case 1: return QStringLiteral("config_vkl1.ini");
    case 2: return QStringLiteral("config_vkl2.ini");
    default: return {};
    }
}

// --- ArquivoIni -------------------------------------------------------------------------------

namespace {

QStringList linhasDe(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString texto = QString::fromUtf8(f.readAll());
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texto.split(u'\n');
}

bool ehSecao(const QString &linha, QString *nome)
{
    const QString t = linha.trimmed();
    if (!t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    *nome = t.mid(1, t.size() - 2).trimmed();
    return true;
}

// The key of a "key=value" line, or nothing for comments and other lines.
std::optional<QPair<QString, QString>> chaveValor(const QString &linha)
{
    const QString t = linha.trimmed();
    if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#'))
        return std::nullopt;
    const qsizetype igual = t.indexOf(u'=');
    if (igual <= 0)
        return std::nullopt;
    return QPair<QString, QString>(t.left(igual).trimmed(), t.mid(igual + 1).trimmed());
}

} // namespace

ArquivoIni::ArquivoIni(const QString &caminho) : m_caminho(caminho) {}

bool ArquivoIni::existe() const
{
    return QFileInfo(m_caminho).isFile();
}

std::optional<QString> ArquivoIni::procurar(const QString &secao, const QString &chave) const
{
    QString atual;
    for (const QString &linha : linhasDe(m_caminho)) {
        QString nome;
        if (ehSecao(linha, &nome)) {
            atual = nome;
            continue;
        }
        if (atual.compare(secao, Qt::CaseInsensitive) != 0)
            continue;
        if (const auto kv = chaveValor(linha); kv && kv->first.compare(chave, Qt::CaseInsensitive) == 0)
            return kv->second;
    }
    return std::nullopt;
}

QString ArquivoIni::ler(const QString &secao, const QString &chave) const
{
    return procurar(secao, chave).value_or(QString());
}

bool ArquivoIni::contem(const QString &secao, const QString &chave) const
{
    return procurar(secao, chave).has_value();
}

bool ArquivoIni::gravar(const QString &secao, const QList<QPair<QString, QString>> &valores)
{
    QStringList linhas = existe() ? linhasDe(m_caminho) : QStringList();
    while (!linhas.isEmpty() && linhas.last().trimmed().isEmpty())
        linhas.removeLast();

    QList<bool> gravado(valores.size(), false);
    QString atual;
    qsizetype fimDaSecao = -1; // index after the section's last key line
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        QString nome;
        if (ehSecao(linhas[i], &nome)) {
            atual = nome;
            if (atual.compare(secao, Qt::CaseInsensitive) == 0)
                fimDaSecao = i + 1;
            continue;
        }
        if (atual.compare(secao, Qt::CaseInsensitive) != 0)
            continue;
        const auto kv = chaveValor(linhas[i]);
        if (!kv)
            continue;
        fimDaSecao = i + 1;
        for (qsizetype v = 0; v < valores.size(); ++v) {
            if (kv->first.compare(valores[v].first, Qt::CaseInsensitive) == 0) {
                linhas[i] = kv->first + u'=' + valores[v].second;
                gravado[v] = true;
            }
        }
    }
    QStringList novas;
    for (qsizetype v = 0; v < valores.size(); ++v)
        if (!gravado[v])
            novas << valores[v].first + u'=' + valores[v].second;
    if (fimDaSecao < 0) {
        if (!linhas.isEmpty())
            linhas << QString();
        linhas << u'[' + secao + u']';
        linhas << novas;
    } else {
        for (qsizetype k = 0; k < novas.size(); ++k)
            linhas.insert(fimDaSecao + k, novas[k]);
    }

    QSaveFile f(m_caminho);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write((linhas.join(u'\n') + u'\n').toUtf8());
    return f.commit();
}

// --- PastasPrograma ---------------------------------------------------------------------------

namespace {

bool pastaGravavel(const QString &pasta)
{
    const QFileInfo info(pasta);
    return info.isDir() && info.isWritable();
}

} // namespace

PastasPrograma::PastasPrograma(const QString &pastaPrograma, const QString &pastaUsuario)
    : m_pastaPrograma(pastaPrograma), m_pastaUsuario(pastaUsuario)
{
}

PastasPrograma PastasPrograma::padrao()
{
    return PastasPrograma(QCoreApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString PastasPrograma::localizar(const QString &nomeArquivo) const
{
    for (const QString &pasta : {m_pastaPrograma, m_pastaUsuario}) {
        if (pasta.isEmpty())
            continue;
        const QString caminho = QDir(pasta).filePath(nomeArquivo);
        if (QFileInfo(caminho).isFile())
            return caminho;
    }
    return {};
}

QString PastasPrograma::destino(const QString &nomeArquivo) const
{
    const QString existente = localizar(nomeArquivo);
    if (!existente.isEmpty() && QFileInfo(existente).isWritable())
        return existente;
    if (pastaGravavel(m_pastaPrograma))
        return QDir(m_pastaPrograma).filePath(nomeArquivo);
    QDir().mkpath(m_pastaUsuario);
    return QDir(m_pastaUsuario).filePath(nomeArquivo);
}

// --- Section VKL ------------------------------------------------------------------------------

namespace {
const QString kSecao = QStringLiteral("VKL");
}

bool lerConfiguracao(const PastasPrograma &pastas, Sessao &sessao)
{
    const QString nome = nomeArquivoConfiguracao(sessao.config);
    if (nome.isEmpty())
        return false;
    const QString caminho = pastas.localizar(nome);
    if (caminho.isEmpty())
        return false;
    const ArquivoIni ini(caminho);
    sessao.caminho_bd = ini.ler(kSecao, QStringLiteral("CAMINHO_BD"));
    sessao.ip = ini.ler(kSecao, QStringLiteral("IP"));
    sessao.caminho_bk = ini.ler(kSecao, QStringLiteral("CAMINHO_BK"));
    sessao.caminho_map = ini.ler(kSecao, QStringLiteral("CAMINHO_MAP"));
    sessao.usuario_bd = ini.ler(kSecao, QStringLiteral("USUARIO_BD"));
    sessao.senha_bd = ini.ler(kSecao, QStringLiteral("SENHA_BD"));
    return true;
}

bool gravarConfiguracao(const PastasPrograma &pastas, const Sessao &sessao)
{
    const QString nome = nomeArquivoConfiguracao(sessao.config);
    if (nome.isEmpty())
        return true; // this run's values only
    ArquivoIni ini(pastas.destino(nome));
    return ini.gravar(kSecao, {{QStringLiteral("CAMINHO_BD"), sessao.caminho_bd},
                               {QStringLiteral("IP"), sessao.ip},
                               {QStringLiteral("CAMINHO_BK"), sessao.caminho_bk},
                               {QStringLiteral("CAMINHO_MAP"), sessao.caminho_map}});
}

} // namespace zedera
