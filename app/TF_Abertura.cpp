#include "TF_Abertura.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace zedera {

namespace {

// A simple emblem: a road sign with a steering wheel, drawn so the program ships no picture.
QPixmap emblema()
{
    QPixmap p(96, 96);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0x1f, 0x4e, 0x79));
    g.setPen(Qt::NoPen);
    g.drawEllipse(4, 4, 88, 88);
    g.setPen(QPen(Qt::white, 7));
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(22, 22, 52, 52);
    g.drawLine(48, 48, 48, 74);
    g.drawLine(48, 48, 24, 42);
    g.drawLine(48, 48, 72, 42);
    return p;
}

QLabel *rotulo(const QString &texto, int pontos, bool negrito, QWidget *parent)
{
    auto *l = new QLabel(texto, parent);
    QFont f = l->font();
    f.setPointSize(pontos);
    f.setBold(negrito);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

TF_Abertura::TF_Abertura(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("TF_Abertura"));
    setWindowTitle(QStringLiteral("Abertura"));
    setCursor(Qt::WaitCursor);

    auto *imagem = new QLabel(this);
    imagem->setPixmap(emblema());
    imagem->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(imagem);
    layout->addWidget(rotulo(QStringLiteral("K O R V A S"), 22, true, this));
    layout->addWidget(rotulo(QStringLiteral("Sistema de Administração de Zedera"), 14, true, this));
    layout->addSpacing(16);
    layout->addWidget(rotulo(QStringLiteral("Aguarde carregamento do sistema"), 10, false, this));

    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(intervalo);
    connect(m_timer, &QTimer::timeout, this, &QDialog::accept);
}

void TF_Abertura::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *tela = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(tela->availableGeometry().center() - rect().center());
    }
    m_timer->start();
}

void TF_Abertura::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QDialog::hideEvent(event);
}

} // namespace zedera
