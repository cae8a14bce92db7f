// Names and texts of the module's windows.
//
// Every caption and hint of a window is asked from the host's translation service with
// section = the window's component name (its objectName) and key = the control's
// objectName (its hint: the objectName followed by ".Hint"), named actions alike; the
// window's own caption has the window's objectName as key too. The text the window was built with
// is the French default.
#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

class QObject;
class QWidget;

namespace g20seq {

// Gives each control its name.
void NommerControles(std::initializer_list<std::pair<QObject*, const char*>> Controles);

// Translates the caption of Window and the texts and hints of its named controls.
void TraduireFenetre(QWidget& Window);

// A caption of Window's section: Translate(Window's objectName, Key, Default).
QString TexteFenetre(const QWidget& Window, const char* Key, const char* Default);

// The question asked when a window with unsaved changes closes (yes, no, cancel); answers
// the host dialog's modal result.
int QuestionFermeture();

} // namespace g20seq
