#include "help/ui/WhatsThisMenu.h"

#include "help/ui/TODSHelp.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace sw {

namespace {

// The edit commands a text field offers on its own.
QMenu *standardMenu(QWidget *control, const QPoint &pos)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->createStandardContextMenu();
    if (auto *edit = qobject_cast<QPlainTextEdit *>(control))
        return edit->createStandardContextMenu(pos);
    if (auto *edit = qobject_cast<QTextEdit *>(control))
        return edit->createStandardContextMenu(pos);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->lineEdit() ? combo->lineEdit()->createStandardContextMenu() : nullptr;
    if (qobject_cast<QAbstractSpinBox *>(control))
        if (auto *edit = control->findChild<QLineEdit *>())
            return edit->createStandardContextMenu();
    return nullptr;
}

} // namespace

WhatsThisMenu::WhatsThisMenu(QWidget *control)
    : QObject(control)
    , mControl(control)
{
    setObjectName(QStringLiteral("WhatsThisMenu"));
}

void WhatsThisMenu::attach(QWidget *control)
{
    if (!control || control->findChild<WhatsThisMenu *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    auto *menu = new WhatsThisMenu(control);
    control->installEventFilter(menu);
    // A scroll area gets its right clicks on its viewport, a combo box one
    // can type in on its field.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        area->viewport()->installEventFilter(menu);
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(menu);
}

QMenu *WhatsThisMenu::menuFor(QWidget *control, const QPoint &pos)
{
    QMenu *menu = standardMenu(control, pos);
    if (menu)
        menu->addSeparator();
    else
        menu = new QMenu;
    QAction *item = menu->addAction(QStringLiteral("What's this?"));
    item->setObjectName(QStringLiteral("Whatsthis"));
    QPointer<QWidget> target = control;
    connect(item, &QAction::triggered, control, [target] {
        if (TODSHelp *help = TODSHelp::of(target))
            help->ShowHelpFor(target);
    });
    return menu;
}

bool WhatsThisMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu || mControl->contextMenuPolicy() != Qt::DefaultContextMenu)
        return false;
    auto *request = static_cast<QContextMenuEvent *>(event);
    Q_UNUSED(watched)
    // A text field takes the position in its viewport, where the event is.
    QMenu *menu = menuFor(mControl, request->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(request->globalPos());
    return true;
}

} // namespace sw
