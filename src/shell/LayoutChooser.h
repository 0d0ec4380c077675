#pragma once
// Where the main window gets a new label layout from: the template
// catalogue's chooser and the user-defined layout editor, behind an
// interface so that tests can answer them. The default opens the two
// dialogs.
#include "layouts/TLabelLayout.h"

#include <functional>
#include <optional>

class QWidget;

namespace sw {

class LayoutChooser
{
public:
    virtual ~LayoutChooser();

    // A layout from the catalogue, starting from `current`; `newLabel` is
    // true when it is for a new design. Nothing when cancelled.
    virtual std::optional<TLabelLayout> chooseTemplate(QWidget *parent, const TLabelLayout &current,
                                                       bool newLabel) = 0;
    // A user-defined layout, the editor preset with `current` and shown in
    // millimetres when `useMM` is set; `useMM` receives the unit the user
    // left the editor in, whatever the result. Nothing when cancelled.
    virtual std::optional<TLabelLayout> editUserDefined(QWidget *parent, const TLabelLayout &current,
                                                        bool &useMM) = 0;
};

// "Select Template" and "User Defined Label Layout", their Help buttons
// opening the help window.
class DialogLayoutChooser : public LayoutChooser
{
public:
    // `place` positions each dialog before it is shown (the main window
    // centres it); without it the toolkit places it.
    explicit DialogLayoutChooser(std::function<void(QWidget *dialog)> place = {});

    std::optional<TLabelLayout> chooseTemplate(QWidget *parent, const TLabelLayout &current,
                                               bool newLabel) override;
    std::optional<TLabelLayout> editUserDefined(QWidget *parent, const TLabelLayout &current,
                                                bool &useMM) override;

private:
    std::function<void(QWidget *dialog)> mPlace;
};

} // namespace sw
