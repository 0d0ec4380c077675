#include "shell/TSplashform.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

TSplashform::TSplashform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Splashform"));
    setWindowTitle(QStringLiteral("About Stickwell"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/shell/icons/stickwell.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    const QString version = QCoreApplication::applicationVersion().isEmpty()
        ? QStringLiteral(STICKWELL_VERSION)
        : QCoreApplication::applicationVersion();
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("AboutText"));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<p><b style=\"font-size:14pt; color:#000080\">Stickwell II</b><br>"
                                 "Version %1</p>"
                                 "<p>Designs and prints sheet labels: address and shipping labels,<br>"
                                 "diskette and file-folder labels, name badges, cards and more.</p>"
                                 "<p>Choose <i>Help &rsaquo; Contents</i> to get started.</p>")
                      .arg(version.toHtmlEscaped()));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto *column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addLayout(buttons);
    setFixedSize(sizeHint());
}

} // namespace sw
