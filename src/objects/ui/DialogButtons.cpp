#include "objects/ui/DialogButtons.h"

#include <QDialog>
#include <QPushButton>

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
