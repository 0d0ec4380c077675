#pragma once
// Registers every kind of label object with the component stream's class
// registry, so that label files, the clipboard and the drawing tools can
// create them by class name. Idempotent.
namespace sw {

void registerLabelObjectClasses();

} // namespace sw
