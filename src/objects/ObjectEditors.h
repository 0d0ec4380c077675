#pragma once
// The editing windows of the label objects live in the window layer, above
// the core. That layer registers one editor per object class here; the
// panel asks for an object to be edited right after a drawing tool has
// created it, and nothing happens where no editor is registered (tests of
// the core, the command-line printer).
#include <QByteArray>
#include <QObject>
#include <functional>

namespace sw {

class TGGraphicControl;

class ObjectEditors
{
public:
    // Opens the editor modally; true when the user accepted.
    using Editor = std::function<bool(TGGraphicControl *object)>;

    // Registers the editor for a class name ("TGPLabel"); replaces any other.
    static void setEditor(const QByteArray &className, Editor editor);
    // The same for an editor of one class: it is given only objects of
    // class T (or derived from it).
    template <class T>
    static void setEditorOf(const QByteArray &className, std::function<bool(T &object)> editor)
    {
        setEditor(className, [editor = std::move(editor)](TGGraphicControl *object) {
            T *typed = qobject_cast<T *>(object);
            return typed && editor(*typed);
        });
    }
    // Runs the editor registered for the object's class (or the nearest base
    // class that has one); false when there is none or it was cancelled.
    static bool edit(TGGraphicControl *object);
    static bool hasEditor(const QByteArray &className);
};

} // namespace sw
