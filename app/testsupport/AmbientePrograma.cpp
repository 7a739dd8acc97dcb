#include "AmbientePrograma.h"

#include "TestDatabase.h"
#include "access/Acesso.h"
#include "session/Banco.h"

#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <QUuid>

namespace zedera::testing {

AmbientePrograma::AmbientePrograma()
{
    const QString raiz =
        QDir(TestDatabase::scratchDir()).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
    m_pasta = raiz + QStringLiteral("/programa");
    m_pastaUsuario = raiz + QStringLiteral("/usuario");
    m_pastaBanco = raiz + QStringLiteral("/dados/");
    QDir().mkpath(m_pasta);
    QDir().mkpath(m_pastaBanco);
    const QString arquivo = TestDatabase::freshFile();
    const QString destino = m_pastaBanco + Banco::databaseFileName();
    if (!QFile::rename(arquivo, destino))
        throw DbError(QStringLiteral("Não foi possível preparar %1").arg(destino));
    UserStore::setFastHashingForTests(true);
}

void AmbientePrograma::escreverConfig(int config, const QStringList &linhas) const
{
    QFile f(QDir(m_pasta).filePath(nomeArquivoConfiguracao(config)));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw DbError(QStringLiteral("Não foi possível gravar %1").arg(f.fileName()));
    f.write((QStringLiteral("[VKL]\n") + linhas.join(u'\n') + u'\n').toUtf8());
}

void AmbientePrograma::escreverConfigCompleta(int config) const
{
    escreverConfig(config, {QStringLiteral("CAMINHO_BD=") + m_pastaBanco, QStringLiteral("IP=127.0.0.1"),
                            QStringLiteral("CAMINHO_BK=") + m_pastaBanco,
                            QStringLiteral("CAMINHO_MAP=") + m_pastaBanco});
}

Connection &AmbientePrograma::banco()
{
    if (!m_conexao) {
        m_conexao = TestDatabase::connect(Banco::settingsFor(m_pastaBanco));
    }
    return *m_conexao;
}

QString AmbientePrograma::arquivoUsuarios() const
{
    return QDir(m_pasta).filePath(Acesso::defaultFileName());
}

void AmbientePrograma::criarUsuarios(const QList<Usuario> &usuarios, const QList<AccessGroup> &grupos) const
{
    UserStore store = UserStore::withMaster(senhaMestre());
    for (const AccessGroup &g : grupos)
        store.putGroup(g);
    for (const Usuario &u : usuarios) {
        AccessUser a;
        a.nome = u.nome;
        a.grupo = u.grupo;
        a.senhaHash = UserStore::hashPassword(u.senha);
        a.admin = u.admin;
        a.altSenha = u.altSenha;
        store.putUser(a);
    }
    QString erro;
    if (!store.save(arquivoUsuarios(), &erro))
        throw DbError(erro);
}

ParametrosExercicio AmbientePrograma::parametrosExemplo(int ano)
{
    ParametrosExercicio p;
    p.ano = ano;
    p.empresa = QStringLiteral("PREFEITURA MUNICIPAL");
    p.sigla = QStringLiteral("PMSL");
    p.cnpj = QStringLiteral("12.345.678/0001-90");
    p.end = QStringLiteral("PRAÇA DA MATRIZ, 1");
    p.complemento = QStringLiteral("PAÇO");
    p.bairro = QStringLiteral("CENTRO");
    p.cid = QStringLiteral("SANTA LUZIA");
    p.uf = QStringLiteral("MG");
    p.cep = QStringLiteral("33010-000");
    p.fone = QStringLiteral("(31) 3641-1000");
    p.fax = QString();
    p.email = QStringLiteral("frota@santaluzia.gov.br");
    p.detran = 4711;
    p.resp1 = QStringLiteral("JOÃO PREFEITO");
    p.resp2 = QStringLiteral("MARIA DIRETORA");
    p.resp3 = QStringLiteral("JOSÉ CHEFE");
    p.contr_km = QStringLiteral("01");
    return p;
}

void AmbientePrograma::inserirParametros(int ano, const QString &empresa, const QString &cidade)
{
    ParametrosExercicio p = parametrosExemplo(ano);
    p.empresa = empresa;
    p.cid = cidade;
    incluirParametros(banco(), p);
}

QStringList AmbientePrograma::linhas(const QString &select)
{
    Query q(banco(), select);
    q.exec();
    QStringList resultado;
    while (q.next()) {
        QStringList valores;
        const int colunas = q.raw().record().count();
        for (int i = 0; i < colunas; ++i) {
            const QVariant v = q.value(i);
            valores << (v.isNull() ? QStringLiteral("NULL") : v.toString().trimmed());
        }
        resultado << valores.join(u'|');
    }
    return resultado;
}

} // namespace zedera::testing
