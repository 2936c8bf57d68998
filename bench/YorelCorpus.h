/** @file YorelCorpus.h
 ** A deterministic generator of Yorel-like source of a given size, with every kind of text
 ** the colouring knows, for benchmarks. **/
#pragma once

#include <QString>

/** About Bytes characters of CR LF separated source; the same Seed gives the same text. */
QString GenerateYorelSource(qint64 Bytes, unsigned Seed = 1);
