#include "export/FibuExportFrm.h"

#include <gtest/gtest.h>

#include "export/TestExporter.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "support/TestSuite.h"

namespace {

void Filiale(int nr, const std::string& name) {
  SuiteDatabase::Get().Cached("INSERT INTO filialen (nummer, name) VALUES (?, ?)").With(nr, name).Run();
}

class TTestForm final : public TfrmFibuExport {
 public:
  bool pruefungOk = true;
  int zuMaske = 0;
  int vonMaske = 0;

 protected:
  void Spezial_DatenZuMaske() override { ++zuMaske; }
  void Spezial_DatenVonMaske() override { ++vonMaske; }
  bool Spezial_TesteMaskenDaten() override { return pruefungOk; }
  void GetExportFormatName(std::string& name) override { name = "Testformat"; }
};

class FibuExportFrm : public ::testing::Test {
 protected:
  void SetUp() override {
    Filiale(1, "Zentrale");
    Filiale(2, "Nord");
    Filiale(5, "Süd");
    exporter.Init();
  }
  void TearDown() override { SetFibuExportFormAnzeige(nullptr); }

  TestSuite suite;
  TTestExporter exporter;
};

TEST_F(FibuExportFrm, ShowsTheExportersValuesAndBranchesOfTheSuite) {
  exporter.SetFilialenWahl(epfwSelektierteFilialen);
  exporter.SetFilialen({"5", "x", "1"});
  exporter.SetSpezKonten({"[EXPORT]", "ERLWARE=u"});
  TTestForm form;
  form.SetFibuExportProfil(&exporter);

  EXPECT_EQ(form.Caption(), "Einstellungen für Export im Format \"Testformat\"");
  ASSERT_EQ(form.FilialZeilen().size(), 3u);
  EXPECT_EQ(form.FilialZeilen()[2].Text, "5 - Süd");
  EXPECT_TRUE(form.FilialZeilen()[0].Checked);
  EXPECT_FALSE(form.FilialZeilen()[1].Checked);
  EXPECT_TRUE(form.FilialZeilen()[2].Checked);
  EXPECT_EQ(form.FilialOption(), TFilialOption::SelektierteFilialen);
  EXPECT_EQ(form.SpezKontenText(), "[EXPORT]\nERLWARE=u\n");
  EXPECT_FALSE(form.SpezKontenGeaendert());
  EXPECT_EQ(form.zuMaske, 1);

  // Setting the same exporter again does not reload the form.
  form.SetFibuExportProfil(&exporter);
  EXPECT_EQ(form.zuMaske, 1);
}

TEST_F(FibuExportFrm, AllBranchesStoresTheSingleEntryZero) {
  exporter.SetFilialenWahl(epfwSelektierteFilialen);
  exporter.SetFilialen({"2"});
  TTestForm form;
  form.SetFibuExportProfil(&exporter);
  form.SetFilialOption(TFilialOption::AlleFilialen);
  EXPECT_FALSE(form.FilialListeAktiv());
  form.btnOKClick();

  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.FilialenWahl(), epfwAlleFilialen);
  EXPECT_EQ(exporter.Filialen(), TStringList{"0"});
  EXPECT_EQ(form.vonMaske, 1);
}

TEST_F(FibuExportFrm, SelectedBranchesNeedAtLeastOneTick) {
  TTestForm form;
  form.SetFibuExportProfil(&exporter);
  form.SetFilialOption(TFilialOption::SelektierteFilialen);
  form.btnOKClick();

  EXPECT_EQ(form.ModalResult(), 0);
  EXPECT_EQ(form.AktiveSeite(), TfrmFibuExport::CSeiteFilialen);
  EXPECT_NE(suite.Messages().LastText().find("Bitte geben Sie mindestens eine Filiale an."),
            std::string::npos);
  EXPECT_EQ(form.vonMaske, 0);
  EXPECT_EQ(exporter.FilialenWahl(), epfwAlleFilialen);
}

TEST_F(FibuExportFrm, WithoutABranchOptionNothingPasses) {
  TTestForm form;
  EXPECT_FALSE(form.TesteMaskenDaten());
  EXPECT_NE(suite.Messages().LastText().find("Bitte geben Sie die zu exportierenden Filialen an."),
            std::string::npos);
  EXPECT_EQ(form.AktiveSeite(), TfrmFibuExport::CSeiteFilialen);
}

TEST_F(FibuExportFrm, VanishedBranchIsDroppedAndTicksKeepListOrder) {
  exporter.SetFilialenWahl(epfwSelektierteFilialen);
  exporter.SetFilialen({"9", "5"});  // branch 9 no longer exists
  TTestForm form;
  form.SetFibuExportProfil(&exporter);
  form.SetFilialeChecked(0, true);
  form.btnOKClick();

  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(exporter.FilialenWahl(), epfwSelektierteFilialen);
  EXPECT_EQ(exporter.Filialen(), (TStringList{"1", "5"}));
}

TEST_F(FibuExportFrm, CheckAllAndInvertOnlyWorkForSelectedBranches) {
  TTestForm form;
  form.SetFibuExportProfil(&exporter);
  form.btnAllesVerarbeitenClick();
  EXPECT_FALSE(form.FilialZeilen()[0].Checked);

  form.SetFilialOption(TFilialOption::SelektierteFilialen);
  form.SetFilialeChecked(1, true);
  form.btnUmkehrenClick();
  EXPECT_TRUE(form.FilialZeilen()[0].Checked);
  EXPECT_FALSE(form.FilialZeilen()[1].Checked);
  form.btnAllesVerarbeitenClick();
  for (const auto& zeile : form.FilialZeilen()) EXPECT_TRUE(zeile.Checked);
}

TEST_F(FibuExportFrm, UnchangedSpecialAccountTextLeavesTheListAlone) {
  exporter.SetSpezKonten({"ALT"});
  TTestForm form;
  form.SetFibuExportProfil(&exporter);
  exporter.SetSpezKonten({"INZWISCHEN"});
  form.SpezKontenEingabe(form.SpezKontenText());  // no real change
  form.btnOKClick();
  EXPECT_EQ(exporter.SpezKonten(), TStringList{"INZWISCHEN"});

  TTestForm zweite;
  zweite.SetFibuExportProfil(&exporter);
  zweite.SpezKontenEingabe("ERLWARE;3;5;01.01.2013;0;8005;N\r\n\r\n[EXPORT]\nERLWARE=u");
  zweite.btnOKClick();
  EXPECT_EQ(exporter.SpezKonten(),
            (TStringList{"ERLWARE;3;5;01.01.2013;0;8005;N", "", "[EXPORT]", "ERLWARE=u"}));
}

TEST_F(FibuExportFrm, FormatCheckRefusesAndCancelCopiesNothing) {
  exporter.pfad = "/vorher";
  TTestForm form;
  form.SetFibuExportProfil(&exporter);
  form.pruefungOk = false;
  form.btnOKClick();
  EXPECT_EQ(form.ModalResult(), 0);
  EXPECT_EQ(form.vonMaske, 0);

  form.SetFilialOption(TFilialOption::SelektierteFilialen);
  form.SetFilialeChecked(0, true);
  form.btnZurueckClick();
  EXPECT_EQ(form.ModalResult(), mrCancel);
  EXPECT_EQ(exporter.FilialenWahl(), epfwAlleFilialen);
}

class NamingChooser final : public IFormStoreChooser {
 public:
  std::optional<std::size_t> ChooseToRestore(const std::vector<TFormStoreEntry>&) override {
    return 0;
  }
  std::optional<std::size_t> ChooseToDelete(const std::vector<TFormStoreEntry>&) override {
    return 0;
  }
  std::optional<TFormStoreEntry> NameToStore(const std::vector<TFormStoreEntry>&) override {
    return TFormStoreEntry{"NORD", "Nur Nord", "0"};
  }
};

TEST_F(FibuExportFrm, ProfileButtonsSaveLoadAndDelete) {
  SetFormStoreChooser(std::make_shared<NamingChooser>());
  TTestForm form;
  form.SetFibuExportProfil(&exporter);
  form.SetFilialOption(TFilialOption::SelektierteFilialen);
  form.SetFilialeChecked(1, true);
  form.btnSpeichernClick();
  EXPECT_EQ(form.ModalResult(), 0);  // saving keeps the form open
  EXPECT_EQ(exporter.Get_Anzahl_Profile(), 1);

  form.SetFilialOption(TFilialOption::AlleFilialen);
  form.btnLadenClick();
  EXPECT_EQ(form.FilialOption(), TFilialOption::SelektierteFilialen);
  EXPECT_TRUE(form.FilialZeilen()[1].Checked);
  EXPECT_EQ(form.Caption(), "Einstellungen für Export im Format \"Testformat\" - \"Nur Nord\"");

  form.btnLoeschenClick();
  EXPECT_EQ(exporter.Get_Anzahl_Profile(), 0);
  SetFormStoreChooser(nullptr);
}

class TTestEdit final : public TFibuExpEditForm {
 public:
  std::string_view ClassName() const override { return "TTestEdit"; }
  bool scheitern = false;

 protected:
  std::unique_ptr<TfrmFibuExport> ErzeugeForm() override {
    if (scheitern) throw std::runtime_error("Formular fehlt");
    return std::make_unique<TTestForm>();
  }
};

TEST_F(FibuExportFrm, EditClassIsTrueExactlyWhenClosedWithOk) {
  TTestEdit edit;
  EXPECT_FALSE(edit.Execute(exporter));  // no way to show a form

  SetFibuExportFormAnzeige([](TfrmFibuExport& form) {
    EXPECT_EQ(form.AktiveSeite(), TfrmFibuExport::CSeiteParameter);
    form.btnOKClick();
    return form.ModalResult();
  });
  exporter.SetFilialen({"3"});
  EXPECT_TRUE(edit.Execute(exporter));
  EXPECT_EQ(exporter.Filialen(), TStringList{"0"});

  SetFibuExportFormAnzeige([](TfrmFibuExport& form) {
    form.btnZurueckClick();
    return form.ModalResult();
  });
  EXPECT_FALSE(edit.Execute(exporter));

  edit.scheitern = true;
  EXPECT_FALSE(edit.Execute(exporter));
  EXPECT_EQ(QTXInfo().Registrations().back().context, "TTestEdit.Execute");
}

}  // namespace
