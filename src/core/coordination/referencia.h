#pragma once
// References between the settings of one chart: the protection behind a
// relay, curve or fuse ("Retaguarda") and the protection of a transformer or
// inrush point ("Proteção"). In memory a reference names its target by uid,
// so moving settings keeps it; in the file and in the grid it is the target's
// 1-based list number, as the item list shows it.

#include <string>

#include "core/coordination/ajuste.h"
#include "core/foundation/grade.h"

namespace tarvinel {

// The text of "no reference" in the grid.
inline constexpr const char* kSEMREF = "Nenhuma";

// The target of a's reference: the setting named by a.ref when it is in the
// list, is not a itself and is a protection; nullptr otherwise.
tAJUSTE* alvo_ref(const tAJUSTE_LISTA& lista, const tAJUSTE& a);
// "N) caption" of the setting at index i (0-based) of its list.
std::string nome_item(int i, const tAJUSTE& a);

// Before writing a chart: every setting's refnum from its reference, 0 when
// it has none or its target is not valid (so it is not written).
void numera_refs(const tAJUSTE_LISTA& lista);
// After reading a chart: every refnum turned into a reference and cleared. A
// number outside the list, the setting's own number or a setting that is no
// protection reads as no reference, with a "#" line in the message log.
void resolve_refs(tAJUSTE_LISTA& lista);

// The kind's reference row ("Retaguarda" or "Proteção"), set after the
// kind's own rows: "Nenhuma" or "N) caption", with a pick list of "Nenhuma"
// and every other protection of the list. Nothing for kinds without one.
void showref(tPROPGRID& vl, const tAJUSTE_LISTA& lista, const tAJUSTE& a);
// The same row showing `alvo` (nullptr: "Nenhuma") whatever a's reference.
void showref(tPROPGRID& vl, const tAJUSTE_LISTA& lista, const tAJUSTE& a, const tAJUSTE* alvo);
// The setting the row names under the list's present numbering: nullptr
// for "Nenhuma" or an empty text. *motivo is set, and nullptr returned, when
// the text names no valid target.
tAJUSTE* ref_da_linha(const tPROPGRID& vl, const tAJUSTE_LISTA& lista, const tAJUSTE& a,
                      std::string* motivo);
// Reads the row back (ref_da_linha): the reference set or cleared; a text
// that names no valid target keeps the reference, with a "#" line naming
// the row. Nothing when the grid has no such row.
void getref(const tPROPGRID& vl, const tAJUSTE_LISTA& lista, tAJUSTE& a);

}  // namespace tarvinel
