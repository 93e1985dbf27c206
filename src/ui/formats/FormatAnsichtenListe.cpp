// The views of the program's formats; one line per format folder under src/ui/formats.
#include "ui/FormatAnsichten.h"
#include "ui/formats/abacus/FibuExpAbacusView.h"
#include "ui/formats/ascii/FibuExpAsciiView.h"
#include "ui/formats/bmd/BmdAnsichten.h"
#include "ui/formats/datev/FibuExpDatevView.h"
#include "ui/formats/datevpost/PostversandAnsichten.h"
#include "ui/formats/dvo/DvoAnsichten.h"
#include "ui/formats/his/FibuExpHISView.h"
#include "ui/formats/rza/FibuExpRZAView.h"
#include "ui/formats/sbs/SbsAnsichten.h"
#include "ui/formats/varial/VarialAnsichten.h"

void FormatAnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  datev::AnsichtenRegistrieren(ansichten);
  datevpost::AnsichtenRegistrieren(ansichten);
  ascii::AnsichtenRegistrieren(ansichten);
  bmd::AnsichtenRegistrieren(ansichten);
  dvo::AnsichtenRegistrieren(ansichten);
  sbs::AnsichtenRegistrieren(ansichten);
  varial::AnsichtenRegistrieren(ansichten);
  rza::AnsichtenRegistrieren(ansichten);
  abacus::AnsichtenRegistrieren(ansichten);
  his::AnsichtenRegistrieren(ansichten);
}
