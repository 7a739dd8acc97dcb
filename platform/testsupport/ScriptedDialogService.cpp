#include "ScriptedDialogService.h"

#include <QDialog>
#include <QtTest>

namespace zedera::testing {

ScriptedDialogService::ScriptedDialogService() : m_previous(DialogService::installed())
{
    DialogService::install(this);
}

ScriptedDialogService::~ScriptedDialogService()
{
    DialogService::install(m_previous);
    for (const ScriptedQuestion &q : m_questions)
        m_unexpected << (q.anyText ? QStringLiteral("unused answer to a question")
                                   : QStringLiteral("question never asked: \"%1\"").arg(q.text));
    for (const ScriptedExec &e : m_execs)
        m_unexpected << QStringLiteral("modal window never opened: %1")
                            .arg(e.name.isEmpty() ? QStringLiteral("(any)") : e.name);
    // A test that already failed has said what went wrong; the leftovers would only be noise.
    if (m_unexpected.isEmpty() || !QTest::currentTestFunction() || QTest::currentTestFailed())
        return;
    const QByteArray text =
        (QStringLiteral("dialog script not followed:\n  ") + m_unexpected.join(QStringLiteral("\n  ")))
            .toUtf8();
    QTest::qFail(text.constData(), __FILE__, __LINE__);
}

void ScriptedDialogService::expectQuestion(const QString &text, bool answer)
{
    m_questions.push_back({false, text, answer});
}

void ScriptedDialogService::answerNextQuestion(bool answer)
{
    m_questions.push_back({true, {}, answer});
}

void ScriptedDialogService::expectExec(ExecHandler handler)
{
    m_execs.push_back({{}, std::move(handler)});
}

void ScriptedDialogService::expectExec(const QString &name, ExecHandler handler)
{
    m_execs.push_back({name, std::move(handler)});
}

void ScriptedDialogService::expectExec(int result)
{
    expectExec([result](QDialog &) { return result; });
}

ScriptedDialogService::Message ScriptedDialogService::lastMessage() const
{
    return m_messages.isEmpty() ? Message{} : m_messages.last();
}

QStringList ScriptedDialogService::texts(Kind kind) const
{
    QStringList out;
    for (const Message &m : m_messages) {
        if (m.kind == kind)
            out << m.text;
    }
    return out;
}

void ScriptedDialogService::information(const QString &text, const QString &caption)
{
    record(Kind::Information, text, caption);
}

void ScriptedDialogService::warning(const QString &text, const QString &caption)
{
    record(Kind::Warning, text, caption);
}

void ScriptedDialogService::error(const QString &text, const QString &caption)
{
    record(Kind::Error, text, caption);
}

bool ScriptedDialogService::question(const QString &text, bool defaultYes, const QString &caption)
{
    record(Kind::Question, text, caption);
    Message &m = m_messages.last();
    m.defaultYes = defaultYes;
    if (m_questions.empty()) {
        flagUnexpected(QStringLiteral("unexpected question: \"%1\"").arg(text));
        return m.answer = false;
    }
    const ScriptedQuestion next = m_questions.front();
    m_questions.pop_front();
    if (!next.anyText && next.text != text) {
        flagUnexpected(QStringLiteral("question \"%1\" asked where \"%2\" was expected")
                           .arg(text, next.text));
        return m.answer = false;
    }
    return m.answer = next.answer;
}

int ScriptedDialogService::exec(QDialog &dialog)
{
    const QString className = QString::fromLatin1(dialog.metaObject()->className());
    record(Kind::Exec, className, dialog.windowTitle());
    const qsizetype index = m_messages.size() - 1;
    m_messages[index].objectName = dialog.objectName();
    const QString described = dialog.objectName().isEmpty()
        ? className
        : QStringLiteral("%1 (%2)").arg(className, dialog.objectName());

    int result = QDialog::Rejected;
    if (m_execs.empty()) {
        flagUnexpected(QStringLiteral("unexpected modal window: %1").arg(described));
    } else {
        ScriptedExec next = std::move(m_execs.front());
        m_execs.pop_front();
        if (!next.name.isEmpty() && next.name != className && next.name != dialog.objectName())
            flagUnexpected(QStringLiteral("modal window %1 opened where %2 was expected")
                               .arg(described, next.name));
        else if (next.handler)
            result = next.handler(dialog); // may show boxes of its own, recorded after this one
    }
    // The window ends closed with its result set, as after a real exec().
    dialog.setResult(result);
    dialog.hide();
    if (index < m_messages.size())
        m_messages[index].result = result;
    return result;
}

QString ScriptedDialogService::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Information: return QStringLiteral("information");
    case Kind::Warning: return QStringLiteral("warning");
    case Kind::Error: return QStringLiteral("error");
    case Kind::Question: return QStringLiteral("question");
    case Kind::Exec: return QStringLiteral("exec");
    }
    return {};
}

void ScriptedDialogService::record(Kind kind, const QString &text, const QString &caption)
{
    Message m;
    m.kind = kind;
    m.text = text;
    m.caption = kind == Kind::Exec ? caption : DialogService::resolveCaption(caption);
    m_messages << m;
}

void ScriptedDialogService::flagUnexpected(const QString &what)
{
    qWarning("%s", qPrintable(what));
    m_unexpected << what;
}

} // namespace zedera::testing
