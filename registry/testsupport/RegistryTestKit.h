#pragma once

#include "framework/RegistryDescriptor.h"

#include "db/Connection.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <memory>

namespace zedera::registry::testing {

// A fresh database with the program's schema and the environment a registry window runs in.
struct RegistryFixture {
    RegistryFixture();
    std::unique_ptr<Connection> cad;
    RegistryEnvironment env;

    void exec(const QString &sql) const;
    qint64 count(const QString &sql) const;
    // The first column of every row, as text, in order.
    QStringList column(const QString &sql) const;
};

// Shows a window and makes it the active one, so focus moves as a user sees it.
void showActive(QWidget &window);

template <typename T = QWidget>
T *child(const QWidget &window, const QString &name)
{
    T *w = window.findChild<T *>(name);
    if (!w)
        qWarning("no child named %s", qPrintable(name));
    return w;
}

// A key pressed where the focus is, as the user would.
void press(QWidget &window, int key);
// Types into a field: focus, clear, text.
void typeInto(QWidget &window, const QString &field, const QString &text);
void click(QWidget &window, const QString &button);

} // namespace zedera::registry::testing
