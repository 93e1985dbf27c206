// Answers a modal dialog from within its own event loop: once the dialog of the given
// type is the active modal window, aktion runs on it (clicks, keys, a screenshot).
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

template <typename Dialog>
void BeiDialog(std::function<void(Dialog&)> aktion, int versuche = 100) {
  QTimer::singleShot(10, [aktion, versuche] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      aktion(*dialog);
      return;
    }
    if (versuche > 0) BeiDialog<Dialog>(aktion, versuche - 1);
  });
}
