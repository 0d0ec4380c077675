#include "objects/ui/DialogButtons.h"

#include <QDialog>
#include <QPushButton>

namespace sw {

DialogButtons::DialogButtons(QDialog *dialog, int helpTopic)
    : mOk(new QPushButton(QStringLiteral("Ok"), dialog))
    , mCancel(new QPushButton(QStringLiteral("Cancel"), dialog))
    , mHelp(new QPushButton(QStringLiteral("Help"), dialog))
{
    mOk->setObjectName(QStringLiteral("OkButton"));
    mCancel->setObjectName(QStringLiteral("CancelButton"));
    mHelp->setObjectName(QStringLiteral("HelpButton"));
    mOk->setDefault(true);
    mOk->setAutoDefault(true);
    mCancel->setAutoDefault(false);
    mHelp->setAutoDefault(false);
    addStretch(1);
    addWidget(mOk);
    addWidget(mCancel);
    addWidget(mHelp);
    QObject::connect(mOk, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(mCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(mHelp, &QPushButton::clicked, dialog, [helpTopic] {
        if (helpHandler)
            helpHandler(helpTopic);
    });
}

} // namespace sw
