#include "objects/ui/DialogButtons.h"

#include "help/ui/TODSHelp.h"

#include <QDialog>
#include <QPushButton>
#include <QToolButton>

namespace sw {

DialogButtons::DialogButtons(QDialog *dialog, int helpTopic)
    : mOk(new QPushButton(QStringLiteral("Ok"), dialog))
    , mCancel(new QPushButton(QStringLiteral("Cancel"), dialog))
{
    mOk->setObjectName(QStringLiteral("OkButton"));
    mCancel->setObjectName(QStringLiteral("CancelButton"));
    mOk->setDefault(true);
    mOk->setAutoDefault(true);
    mCancel->setAutoDefault(false);
    addStretch(1);
    addWidget(mOk);
    addWidget(mCancel);
    QObject::connect(mOk, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(mCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    if (helpTopic <= 0)
        return;
    mMouseHelp = TODSHelp::makeMouseHelpButton(dialog);
    insertWidget(0, mMouseHelp);
    TODSHelp::attach(dialog, helpTopic);
    mHelp = new QPushButton(QStringLiteral("Help"), dialog);
    mHelp->setObjectName(QStringLiteral("HelpButton"));
    mHelp->setAutoDefault(false);
    addWidget(mHelp);
    QObject::connect(mHelp, &QPushButton::clicked, dialog, [helpTopic] {
        if (helpHandler)
            helpHandler(helpTopic);
    });
}

} // namespace sw
