// The behaviour of the registry window: list, search, modes, saving, deleting and capture.
#include "RegistryWindow.h"

#include "RegistryEditPanel.h"
#include "RegistryListModel.h"

#include "db/KeyAllocation.h"
#include "dialogs/DialogService.h"
#include "format/Format.h"
#include "widgets/FieldRules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>

namespace zedera::registry {

namespace {

const QString kRefusal = QStringLiteral("ATENÇÃO: Registro não pode ser excluído.\r\r");

// Binds only the parameters the statement names, so one set of values serves several statements.
void bindAll(Query &q, const Bindings &bindings)
{
    for (const auto &[name, value] : bindings)
        if (q.sql().contains(name))
            q.bind(name, value);
}

bool matches(const SearchItem &item, const QVariant &stored, const QString &typed)
{
    if (stored.typeId() == QMetaType::QDate)
        return stored.toDate().isValid() && stored.toDate() == parseDate(typed);
    const QString text = stored.isNull() ? QString() : stored.toString().trimmed();
    if (item.compareDigits)
        return digitsOf(text) == digitsOf(typed) && !digitsOf(typed).isEmpty();
    if (item.match == SearchItem::Match::StartsWith)
        return text.startsWith(typed, Qt::CaseInsensitive);
    const auto a = Decimal::parse(text);
    const auto b = Decimal::parse(QString(typed).replace(u',', u'.'));
    if (a && b)
        return *a == *b;
    return text.compare(typed, Qt::CaseInsensitive) == 0;
}

// A search over several columns ("ve_letra_placa, ve_nro_placa") takes its value through a mask
// whose literal separates the pieces ("ABC-0123"): each piece, trimmed, must equal its column.
bool matchesRow(const SearchItem &item, const RegistryListModel &model, int row, const QString &typed)
{
    const QStringList columns = item.column.split(u',', Qt::SkipEmptyParts);
    if (columns.size() < 2)
        return matches(item, model.value(row, item.column), typed);
    static const QRegularExpression separator(QStringLiteral("[^\\w ]"));
    const QStringList pieces = typed.split(separator);
    if (pieces.size() != columns.size())
        return false;
    SearchItem exact = item;
    exact.match = SearchItem::Match::Equal;
    exact.compareDigits = false;
    for (int i = 0; i < columns.size(); ++i)
        if (!matches(exact, model.value(row, columns.at(i).trimmed()), pieces.at(i).trimmed()))
            return false;
    return true;
}

} // namespace

int RegistryWindow::currentRow() const
{
    if (m_model->rowCount() == 0)
        return -1;
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? i.row() : 0;
}

RegistryRow RegistryWindow::currentRecord() const
{
    return m_model->row(currentRow());
}

std::optional<qint64> RegistryWindow::codigoEmEdicao() const
{
    if (m_model->rowCount() == 0)
        return std::nullopt;
    return currentRecord().integer(m_descriptor.codeColumn);
}

void RegistryWindow::guarded(const std::function<void()> &action)
{
    try {
        action();
    } catch (const DbError &e) {
        dialogs().error(e.message());
    }
}

void RegistryWindow::habilitar_botoes(QChar modo)
{
    m_modo = modo;
    const bool insert = modo == u'I';
    const bool alter = modo == u'A';
    const bool navigate = modo == u'N';
    auto set = [this](const char *name, bool on) {
        if (auto *w = m_pgCad->findChild<QWidget *>(QLatin1String(name)))
            w->setEnabled(on);
    };
    set("b_gravar_cad", insert);
    set("b_alterar_cad", alter);
    set("b_excluir_cad", alter);
    set("b_cancelar_cad", insert || alter);
    set("b_voltar_cad", navigate);
    for (const char *n : {"b_primeiro_cad", "b_anterior_cad", "b_proximo_cad", "b_ultimo_cad"})
        set(n, navigate);
    m_panel->setEnabled(!navigate);
    m_panel->codeEdit()->setEnabled(insert || navigate);
}

void RegistryWindow::setFilterLabels(bool active)
{
    m_filtrar->setText(active ? QStringLiteral("&Filtrar - Ativado") : QStringLiteral("&Filtrar - Desativado"));
    const QString label = active ? QStringLiteral("FILTRO ATIVADO") : QStringLiteral("FILTRO DESATIVADO");
    m_situaFiltro->setText(label);
    m_condFiltroCad->setText(label);
}

void RegistryWindow::openList(const QString &sql, const Bindings &bindings)
{
    Query q(*m_env.cad, sql);
    bindAll(q, bindings);
    q.exec();
    m_model->load(q);
    setCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
}

void RegistryWindow::abrir_lista()
{
    const RegistryStatements &s = m_descriptor.statements;
    const QString order = QStringLiteral(" order by ") + m_campoOrdem;
    if (m_modoLista == u'L') {
        // Over a two-column order the letter tests the first column.
        const QString lettered = m_campoOrdem.section(u',', 0, 0).trimmed();
        openList(s.letter + lettered + QStringLiteral(" like :p_letra") + order,
                 {{QStringLiteral(":p_letra"), m_letra + u'%'}});
        setFilterLabels(true);
    } else if (m_modoLista == u'S') {
        openList(s.filterBase + m_filterConditions + order, m_filterValues);
        setFilterLabels(true);
    } else {
        openList(s.list + m_campoOrdem, {});
        setFilterLabels(false);
    }
}

void RegistryWindow::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_grid->setCurrentIndex({});
        return;
    }
    const int column = m_grid->currentIndex().isValid() ? m_grid->currentIndex().column() : 0;
    m_grid->setCurrentIndex(m_model->index(row, column));
    m_grid->scrollTo(m_model->index(row, column));
    // Setting the same row again emits nothing; the fields must still show it.
    mostrar_registro();
}

bool RegistryWindow::locateCode(qint64 code)
{
    for (int r = 0; r < m_model->rowCount(); ++r) {
        if (m_model->value(r, m_descriptor.codeColumn).toLongLong() == code) {
            setCurrentRow(r);
            return true;
        }
    }
    return false;
}

void RegistryWindow::mostrar_registro()
{
    if (m_model->rowCount() == 0)
        return;
    m_panel->show(currentRecord());
}

void RegistryWindow::limpar_campos()
{
    m_panel->clear();
}

bool RegistryWindow::validar_dados()
{
    for (const UniqueTextRule &rule : m_descriptor.uniqueRules) {
        QWidget *field = m_panel->field(rule.field);
        const QString value = m_panel->value(rule.field);
        if (value.isEmpty()) {
            dialogs().information(rule.emptyMessage, titulo());
            field->setFocus();
            return false;
        }
        if (m_modo == u'A' && value == m_panel->shownValue(rule.field))
            continue;
        Query q(*m_env.cad, rule.duplicateSql);
        q.bind(rule.param, value).exec();
        if (q.next()) {
            dialogs().information(rule.duplicateMessage + q.value(0).toString(), titulo());
            field->setFocus();
            return false;
        }
    }
    return validarDadosExtra();
}

void RegistryWindow::searchFieldChanged()
{
    const int index = m_campoPesq->currentIndex();
    if (index < 0 || index >= m_descriptor.searchItems.size())
        return;
    const SearchItem &item = m_descriptor.searchItems.at(index);
    m_vrPesq->clear();
    m_vrPesq->setInputMask({});
    clearDigitsOnly(m_vrPesq);
    if (item.digitsOnly)
        makeDigitsOnly(m_vrPesq, item.maxLength);
    else if (!item.mask.isEmpty())
        m_vrPesq->setInputMask(item.mask);
    m_vrPesq->setMaxLength(item.mask.isEmpty() ? item.maxLength : item.mask.size());
    m_campoOrdem = item.column;
    abrir_lista();
}

void RegistryWindow::localizar()
{
    if (m_model->rowCount() == 0) {
        dialogs().information(QStringLiteral("Não existe registros para pesquisa."), titulo());
        return;
    }
    const int index = m_campoPesq->currentIndex();
    if (index < 0 || index >= m_descriptor.searchItems.size())
        return;
    const SearchItem &item = m_descriptor.searchItems.at(index);
    const QString typed = item.mask.isEmpty() ? m_vrPesq->text().trimmed() : m_vrPesq->text();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        if (matchesRow(item, *m_model, r, typed)) {
            setCurrentRow(r);
            m_grid->setFocus();
            m_vrPesq->clear();
            return;
        }
    }
    dialogs().information(QStringLiteral("Nenhum registro encontrado nesta condição."), titulo());
    m_vrPesq->setFocus();
}

void RegistryWindow::letterChosen(int index)
{
    if (index < 0)
        return;
    m_letra = m_tabs->tabText(index);
    m_modoLista = m_letra == u"*" ? u'N' : u'L';
    abrir_lista();
}

void RegistryWindow::titleClicked(int section)
{
    if (section < 0 || section >= m_descriptor.columns.size())
        return;
    m_campoOrdem = m_descriptor.columns.at(section).field;
    abrir_lista();
}

void RegistryWindow::filterButton()
{
    if (m_model->rowCount() == 0) {
        dialogs().information(QStringLiteral("Não existe registros para filtro."), titulo());
        return;
    }
    if (m_modoLista == u'N') {
        m_pages->setCurrentWidget(m_pgFiltro);
        if (m_filterContent)
            m_filterContent->startFilter();
        return;
    }
    m_letra = QStringLiteral("*");
    m_tabs->setCurrentIndex(0);
    m_modoLista = u'N';
    abrir_lista();
}

RegistryWindow::FilterOutcome RegistryWindow::applyFilter(const QString &conditions, const Bindings &values)
{
    const QString sql = m_descriptor.statements.filterBase + conditions;
    bool any = false;
    try {
        Query q(*m_env.cad, sql);
        bindAll(q, values);
        q.exec();
        any = q.next();
    } catch (const DbError &) {
        dialogs().information(QStringLiteral("Filtro incorreto faça novamente."), titulo());
        m_model->clear();
        return FilterOutcome::Malformed;
    }
    if (!any) {
        dialogs().information(QStringLiteral("Nenhum registro encontrado nesta condição."), titulo());
        guarded([this] { abrir_lista(); });
        return FilterOutcome::NoRows;
    }
    m_filterConditions = conditions;
    m_filterValues = values;
    m_modoLista = u'S';
    guarded([this] { abrir_lista(); });
    showSearchPage();
    return FilterOutcome::Applied;
}

void RegistryWindow::showSearchPage()
{
    m_pages->setCurrentWidget(m_pgPesq);
    m_grid->setFocus();
}

void RegistryWindow::startInsert()
{
    habilitar_botoes(u'I');
    limpar_campos();
    m_codigo = 0;
    m_panel->codeEdit()->setFocus();
}

void RegistryWindow::startAlter(QWidget *from)
{
    if (m_model->rowCount() == 0) {
        dialogs().information(from == m_grid ? QStringLiteral("Não existe registros para alteração.")
                                             : QStringLiteral("Não existe registro para alteração."),
                              titulo());
        return;
    }
    m_pages->setCurrentWidget(m_pgCad);
    habilitar_botoes(u'A');
    // The fields show the row that Alterar will write, even when an insert was under way.
    mostrar_registro();
    if (QWidget *f = m_panel->field(m_descriptor.alterFocus))
        f->setFocus();
}

void RegistryWindow::codeTyped()
{
    const QString typed = m_panel->codeEdit()->text().trimmed();
    if (typed.isEmpty()) {
        m_codigo = 0;
        return;
    }
    m_codigo = typed.toInt();
    Query exists(*m_env.cad, m_descriptor.statements.codeExists);
    exists.bind(QStringLiteral(":p_cod"), m_codigo).exec();
    if (exists.next()) {
        abrir_lista();
        bool found = locateCode(m_codigo);
        if (!found && m_modoLista != u'N') {
            // The code is outside the letter or filter in force: show the whole list so that
            // the row being altered is the row on screen.
            m_modoLista = u'N';
            m_letra = QStringLiteral("*");
            m_tabs->setCurrentIndex(0);
            abrir_lista();
            found = locateCode(m_codigo);
        }
        if (found) {
            habilitar_botoes(u'A');
            if (QWidget *f = m_panel->field(m_descriptor.alterFocus))
                f->setFocus();
            return;
        }
        // A row the list never shows (code 0): never alter another row in its place.
        m_codigo = 0;
        m_panel->codeEdit()->clear();
        return;
    }
    Query highest(*m_env.cad, m_descriptor.statements.highestCode);
    const auto ultimo = scalarInteger(highest);
    if (!ultimo || *ultimo < m_codigo) {
        m_codigo = 0;
        m_panel->codeEdit()->clear();
    }
}

void RegistryWindow::gravar()
{
    if (m_modo != u'I')
        return;
    // The code may have been typed without leaving the field.
    if (m_panel->codeEdit()->hasFocus())
        codeTyped();
    if (m_modo != u'I' || !validar_dados())
        return;
    if (!dialogs().question(QStringLiteral("Confirma a inclusão do novo registro."), true, titulo()))
        return;
    const Bindings values = m_panel->bindings();
    const QString insert = m_descriptor.statements.insert;
    auto write = [&](qint64 code) {
        Query q(*m_env.cad, insert);
        q.bind(QStringLiteral(":p_cod"), code);
        Bindings complete = values;
        completarInclusao(code, complete);
        bindAll(q, complete);
        q.exec();
    };
    WriteTransaction tx(*m_env.cad);
    qint64 key = m_codigo;
    if (m_codigo == 0)
        key = insertWithNextKey(*m_env.cad, m_descriptor.statements.nextCode, {}, write);
    else
        write(m_codigo);
    tx.commit();
    m_codigo = int(key);
    abrir_lista();
    locateCode(m_codigo);
    habilitar_botoes(u'N');
}

void RegistryWindow::alterar()
{
    if (m_modo != u'A' || !codigoEmEdicao())
        return;
    if (!validar_dados())
        return;
    if (!dialogs().question(QStringLiteral("Confirma a alteração do registro atual."), true, titulo()))
        return;
    const std::optional<qint64> target = codigoEmEdicao();
    if (!target)
        return;
    m_codigo = int(*target);
    WriteTransaction tx(*m_env.cad);
    Query q(*m_env.cad, m_descriptor.statements.update);
    q.bind(QStringLiteral(":p_cod"), m_codigo);
    bindAll(q, m_panel->bindings());
    q.exec();
    tx.commit();
    abrir_lista();
    locateCode(m_codigo);
    habilitar_botoes(u'N');
}

void RegistryWindow::excluir(bool fromSearchPage)
{
    if (m_model->rowCount() == 0 && (fromSearchPage || !codigoEmEdicao())) {
        if (fromSearchPage)
            dialogs().information(QStringLiteral("Não existe registro para exclusão."), titulo());
        return;
    }
    if (!exclusaoPermitida(fromSearchPage))
        return;
    const int row = currentRow();
    const qint64 rowCode = m_model->row(row).integer(m_descriptor.codeColumn);
    // The edit page deletes the record it shows, which may be one the list does not hold.
    const qint64 code = fromSearchPage ? rowCode : codigoEmEdicao().value_or(rowCode);
    for (const DeleteGuard &guard : m_descriptor.guards) {
        Query q(*m_env.cad, guard.sql);
        q.bind(QStringLiteral(":p_cod"), code).exec();
        if (q.next()) {
            const QString text =
                fromSearchPage && !guard.searchPageMessage.isEmpty() ? guard.searchPageMessage : guard.message;
            dialogs().information(kRefusal + text, titulo());
            return;
        }
    }
    if (!dialogs().question(QStringLiteral("Confirma a exclusão do registro selecionado."), true, titulo()))
        return;
    // The list lands on the row before the deleted one (on the new first row when the first
    // was deleted).
    const qint64 remembered =
        code == rowCode ? m_model->row(std::max(0, row - 1)).integer(m_descriptor.codeColumn) : rowCode;
    WriteTransaction tx(*m_env.cad);
    Query q(*m_env.cad, m_descriptor.statements.remove);
    q.bind(QStringLiteral(":p_cod"), code).exec();
    tx.commit();
    abrir_lista();
    if (m_model->rowCount() > 0)
        locateCode(remembered);
    else
        limpar_campos();
    if (!fromSearchPage)
        habilitar_botoes(u'N');
}

void RegistryWindow::cancelar()
{
    habilitar_botoes(u'N');
    if (m_model->rowCount() > 0) {
        mostrar_registro();
        if (auto *b = m_pgCad->findChild<QWidget *>(QStringLiteral("b_proximo_cad")))
            b->setFocus();
    }
}

void RegistryWindow::navigate(int step)
{
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    const int row = currentRow();
    if (step == -2)
        setCurrentRow(0);
    else if (step == 2)
        setCurrentRow(rows - 1);
    else if (step == -1 && row == 0)
        dialogs().information(QStringLiteral("Primeiro registro"), titulo());
    else if (step == 1 && row == rows - 1)
        dialogs().information(QStringLiteral("Último registro"), titulo());
    else
        setCurrentRow(row + step);
}

void RegistryWindow::captureRow()
{
    const RegistryRow row = currentRecord();
    if (m_descriptor.captureRefusal) {
        const QString refusal = m_descriptor.captureRefusal(row);
        if (!refusal.isEmpty()) {
            dialogs().information(refusal, titulo());
            m_grid->setFocus();
            return;
        }
    }
    m_codigoCapturado = row.text(m_descriptor.codeColumn);
    accept();
}

} // namespace zedera::registry
