#pragma once
#include "Fakes.h"
#include "core/document/CTallywiseDoc.h"

// A document with silent services, for building and loading registers in benchmarks.
using CBenchDoc = CSilentDoc;

// Fills doc with a new register of nEntries entries, a few a day from 1990 on, with the
// descriptions, deleted and automatic entries a register in long use has.
void FillRegister(CTallywiseDoc& doc, int nEntries);

// An entry dated in the middle of a register filled by FillRegister.
CEntry MiddleEntry(int nEntries);
