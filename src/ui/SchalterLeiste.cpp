#include "ui/SchalterLeiste.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "ui/ViewHilfen.h"

TSchalterLeiste::TSchalterLeiste(TfrmFibuExport& form, std::function<void()> geaendert, QWidget* parent)
    : QWidget(parent), form_(form), geaendert_(std::move(geaendert)), layout_(new QVBoxLayout(this)) {
  layout_->setContentsMargins(0, 0, 0, 0);
  Anzeigen();
}

void TSchalterLeiste::Aufbauen() {
  for (QCheckBox* box : boxen_) delete box;
  boxen_.clear();
  schluessel_.clear();
  for (const TSchalter& schalter : form_.Schalter()) {
    auto* box = new QCheckBox(Qt_(schalter.Beschriftung), this);
    box->setObjectName(QStringLiteral("chk") + Qt_(schalter.Schluessel));
    box->setToolTip(Qt_(schalter.Hinweis));
    const std::string schluessel = schalter.Schluessel;
    connect(box, &QCheckBox::clicked, this, [this, schluessel](bool wert) {
      form_.SetSchalter(schluessel, wert);
      if (geaendert_) geaendert_();
    });
    layout_->addWidget(box);
    boxen_.push_back(box);
    schluessel_.push_back(schluessel);
  }
}

void TSchalterLeiste::Anzeigen() {
  const auto& schalter = form_.Schalter();
  bool gleich = schalter.size() == schluessel_.size();
  for (std::size_t i = 0; gleich && i < schalter.size(); ++i) gleich = schalter[i].Schluessel == schluessel_[i];
  if (!gleich) Aufbauen();
  for (std::size_t i = 0; i < boxen_.size(); ++i) {
    Abgleichen(*boxen_[i], schalter[i].Wert);
    boxen_[i]->setToolTip(Qt_(schalter[i].Hinweis));
  }
}
