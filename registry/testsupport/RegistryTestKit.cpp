#include "RegistryTestKit.h"

#include "TestDatabase.h"

#include <QSignalSpy>

namespace zedera::registry::testing {

RegistryFixture::RegistryFixture()
    : cad(zedera::testing::TestDatabase::connect(zedera::testing::TestDatabase::fresh()))
{
    env.cad = cad.get();
    env.titulo = QStringLiteral("Administração de Zedera");
    env.empresa = QStringLiteral("PREFEITURA MUNICIPAL");
    env.cidade = QStringLiteral("VILA NOVA");
    env.exercicio = 2026;
}

void RegistryFixture::exec(const QString &sql) const
{
    cad->execute(sql);
}

qint64 RegistryFixture::count(const QString &sql) const
{
    Query q(*cad, sql);
    return scalarInteger(q).value_or(0);
}

QStringList RegistryFixture::column(const QString &sql) const
{
    Query q(*cad, sql);
    q.exec();
    QStringList out;
    while (q.next())
        out << q.value(0).toString().trimmed();
    return out;
}

void showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
}

void press(QWidget &window, int key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || !window.isAncestorOf(target))
        target = &window;
    QTest::keyClick(target, Qt::Key(key));
}

void typeInto(QWidget &window, const QString &field, const QString &text)
{
    auto *edit = child<QLineEdit>(window, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void click(QWidget &window, const QString &button)
{
    child<QPushButton>(window, button)->click();
}

} // namespace zedera::registry::testing
