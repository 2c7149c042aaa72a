#pragma once

class QString;
class QWidget;

namespace zantrel {

// What assistive technology is told beyond Qt's own interfaces, installed once the
// application exists (a factory installed later is asked first):
// - a combo box is named by its caption and valued by its entry (Qt names it by its entry
//   on Linux), and its menu is opened by its press action;
// - a tab bar is named by its tab widget, and a tab hidden with setTabVisible(false) is
//   reported invisible, as a hidden widget is (Qt reports it as shown);
// - the pressed and highlighted pictures of a picture button are never reported: the button
//   is, with its pressed state.
void installAccessibility();

// The typing box of every editable combo box below root takes the name of its combo box.
void nameComboEditors(QWidget* root);

// Chains the Tab order of every control below container by rows, top to bottom and left to
// right within a row, going into each part (a group box, a page) where it lies. A row is the
// first control left over and every one that starts beside it.
void orderTabsByRows(QWidget* container);

// A caption as read out: a mnemonic's "&" goes, "&&" is one "&" ("Light && Use").
QString withoutMnemonic(const QString& caption);

} // namespace zantrel
