#pragma once
// The check a print run makes before it starts: every object of the design
// is asked whether it can be printed as it stands (a barcode whose data its
// symbology refuses cannot: it would print no code, or a wrong one). The
// run then stops with the problems, or - when the user says so - prints
// without those objects. The print-preparation window asks the user;
// skprint refuses unless told to leave them out.
//
// Works on the panel a run prints from, which is a copy of the design:
// leaving objects out never touches the design being edited.
#include <QList>
#include <QString>
#include <QStringList>

namespace sw {

class TGBasePanel;
class TGGraphicControl;

class PrintCheck
{
public:
    // Asks every object on the panel.
    explicit PrintCheck(TGBasePanel &panel);

    bool ok() const { return mObjects.isEmpty(); }
    // One sentence per object that cannot be printed, each naming it, in
    // z-order (back-most first).
    QStringList problems() const { return mProblems; }
    // The problems, one per line (lines end with '\r', as the program's
    // messages do).
    QString message() const;
    // The message and the question whether to print without the objects.
    QString question() const;
    // Removes the objects that cannot be printed from the panel; the run
    // then prints everything else.
    void leaveOut();

private:
    TGBasePanel &mPanel;
    QList<TGGraphicControl *> mObjects;
    QStringList mProblems;
};

} // namespace sw
