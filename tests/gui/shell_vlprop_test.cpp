// Property-grid and table views over their core models: model to view, edits
// back into the model, sections, pick lists, the "..." button, Enter.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "gui/sgtabela.h"
#include "gui/vlprop.h"

namespace tarvinel::teste {
namespace {

tPROPGRID grade_exemplo() {
  tPROPGRID vl;
  vl.setvalue(" Geral", "");
  vl.setvalue("Nome", "Relé 1");
  vl.setvalue("Cor", "$0000FF");
  vl.setbutton("Cor");
  vl.setvalue("Curva", "IEC-NI");
  vl.find("Curva")->picklist = {"IEC-NI", "IEC-MI", "IEC-EI"};
  vl.setvalue("Corrente", "100");
  vl.setreadonly("Corrente");
  return vl;
}

TEST(tVLPROPTEST, ShowsTheModel) {
  tPROPGRID vl = grade_exemplo();
  tVLPROP v;
  v.setgrid(&vl);
  QAbstractItemModel* m = v.model();
  ASSERT_EQ(m->rowCount(), 5);
  EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), "Propriedade");
  EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), "Valor");
  struct {
    int row;
    const char* key;
    const char* value;
    bool editavel;
    bool negrito;
  } casos[] = {
      {0, "Geral", "", false, true},  // section: the leading blank is not shown
      {1, "Nome", "Relé 1", true, false},  {2, "Cor", "$0000FF", true, false},
      {3, "Curva", "IEC-NI", true, false}, {4, "Corrente", "100", false, false},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(m->index(c.row, 0).data().toString().toStdString(), c.key) << c.key;
    EXPECT_EQ(m->index(c.row, 1).data().toString().toStdString(), c.value) << c.key;
    EXPECT_EQ(bool(m->flags(m->index(c.row, 1)) & Qt::ItemIsEditable), c.editavel) << c.key;
    EXPECT_EQ(m->index(c.row, 0).data(Qt::FontRole).value<QFont>().bold(), c.negrito) << c.key;
  }
  EXPECT_EQ(v.columnSpan(0, 0), 2);
  // Code that changes the model (showprop) is followed.
  vl.setvalue("Nome", "Relé 2");
  vl.setvalue("Novo", "x");
  EXPECT_EQ(m->rowCount(), 6);
  EXPECT_EQ(m->index(1, 1).data().toString(), "Relé 2");
}

TEST(tVLPROPTEST, EditsGoIntoTheModel) {
  tPROPGRID vl = grade_exemplo();
  tVLPROP v;
  v.setgrid(&vl);
  v.resize(300, 200);
  v.show();
  std::vector<QString> alterado;
  QObject::connect(&v, &tVLPROP::alterado, [&](const QString& k) { alterado.push_back(k); });

  // A pick-list row edits in an editable drop-down holding the list.
  v.seleciona("Curva");
  auto* cb = v.findChild<QComboBox*>();
  ASSERT_NE(cb, nullptr);
  EXPECT_EQ(cb->isEditable(), true);
  ASSERT_EQ(cb->count(), 3);
  EXPECT_EQ(cb->itemText(2), "IEC-EI");
  cb->setCurrentText("IEC-MI");
  // Enter takes the edit and moves to the next row.
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(cb, &enter);
  QApplication::processEvents();
  EXPECT_EQ(vl.value("Curva"), "IEC-MI");
  ASSERT_EQ(alterado.size(), 1u);
  EXPECT_EQ(alterado[0], "Curva");
  EXPECT_EQ(v.chave_atual(), "Corrente");

  // A button row offers "...", which hands the key over after taking the text.
  std::vector<QString> botao;
  QObject::connect(&v, &tVLPROP::botao, [&](const QString& k) { botao.push_back(k); });
  v.seleciona("Cor");
  auto* ed = v.viewport()->findChild<QLineEdit*>();
  auto* bt = v.viewport()->findChild<QToolButton*>();
  ASSERT_NE(ed, nullptr);
  ASSERT_NE(bt, nullptr);
  EXPECT_EQ(bt->text(), "...");
  ed->setText("$00FF00");
  bt->click();
  ASSERT_EQ(botao.size(), 1u);
  EXPECT_EQ(botao[0], "Cor");
  EXPECT_EQ(vl.value("Cor"), "$00FF00");
}

TEST(tVLPROPTEST, ColourOfTheCorRow) {
  struct {
    const char* texto;
    QColor cor;
  } casos[] = {{"$0000FF", QColor(255, 0, 0)},
               {"$FF0000", QColor(0, 0, 255)},
               {"$008000", QColor(0, 128, 0)},
               {"lixo", QColor(0, 0, 0)}};
  for (const auto& c : casos) EXPECT_EQ(tVLPROP::cor_valor(c.texto), c.cor) << c.texto;
}

TEST(tSGTABELATEST, TitleRowIsTheHeaderAndEditsGoIntoTheTable) {
  tTABELA sg;
  sg.setcolcount(3);
  sg.setrowcount(3);
  sg_setrow(sg, 0, {"#", "Iref [A]", "Tref [s]"});
  sg_setrow(sg, 1, {"", "100", "1.00"});
  sg_setrow(sg, 2, {"", "200", "0.80"});
  tSGTABELA v;
  v.settabela(&sg);
  v.setfixa(0);
  QAbstractItemModel* m = v.model();
  ASSERT_EQ(m->rowCount(), 2);
  EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), "Iref [A]");
  EXPECT_EQ(m->index(1, 2).data().toString(), "0.80");
  EXPECT_EQ(bool(m->flags(m->index(0, 0)) & Qt::ItemIsSelectable), false);
  std::vector<std::pair<int, int>> alterado;
  QObject::connect(&v, &tSGTABELA::alterado, [&](int c, int r) { alterado.emplace_back(c, r); });
  EXPECT_EQ(m->setData(m->index(1, 1), "250"), true);
  EXPECT_EQ(sg.cell(1, 2), "250");
  ASSERT_EQ(alterado.size(), 1u);
  EXPECT_EQ(alterado[0], std::make_pair(1, 2));
  v.set_linha_atual(2);
  EXPECT_EQ(v.linha_atual(), 2);
}

}  // namespace
}  // namespace tarvinel::teste
