#pragma once

#include "diagnosis/core/diagnostic.h"
#include "diagnosis/core/knowledge_base.h"
#include "diagnosis/core/knowledge_walk.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace loco {

// Regression cases of the knowledge: what each knowledge file holds and
// where every sequence of answers leads, written as text a maintainer
// reviews, and read back to compare with the files after an edit. One file's
// section, one record a line, fields separated by TABs, texts in brackets so
// that every blank shows:
//
//   file      bahan_bakar.txt
//   start     F1
//   question  F1   [APAKAH ...]
//   heading   FH1  [Kemungkinan ...]
//   closing   FN1  [line 1]  [line 2]
//   path      F1 TIDAK, F2 YA   FH1  12pt  [cause line]    a conclusion
//   path      F1 TIDAK, ..., F13 TIDAK   FN1                a closing text
//
// The paths come in the order YA before TIDAK at every question.

struct CaseStep {
    std::string label;
    Answer answer;
};

struct CaseEnding {
    std::string label; // the heading or closing text
    int pointSize = 0; // conclusions only
    std::string cause; // conclusions only
};

struct CasePath {
    std::vector<CaseStep> steps;
    CaseEnding ending;
    std::size_t line = 0; // in the cases file
};

struct CaseTexts {
    std::string label;
    std::vector<std::string> texts;
    std::size_t line = 0;
};

struct SystemCases {
    std::string file; // the knowledge file's name, without its folder
    std::size_t line = 0;
    std::string start;
    std::vector<CaseTexts> questions;
    std::vector<CaseTexts> headings;
    std::vector<CaseTexts> closings;
    std::vector<CasePath> paths;
};

// The cases of a base without errors. Holds every path: count them first
// (countAnswerPaths) where there may be millions.
SystemCases casesOf(const KnowledgeBase& base, std::string file);

// The whole cases file, sections in the given order.
std::string writeCases(const std::vector<SystemCases>& systems);

// Reads a cases file; throws loco::Error("<name>:<line>: <problem>").
std::vector<SystemCases> readCases(std::string_view text, std::string_view name);

// Every difference of actual from expected, each an error at the line of
// the expected record (or of its section, for what is new), in casesName.
std::vector<Diagnostic> compareCases(
    const SystemCases& expected, const SystemCases& actual, std::string_view casesName);

// One answer path of a base as a case (forEachAnswerPath gives them).
CasePath casePath(const KnowledgeBase& base, std::span<const AnsweredQuestion> answers);

// A path as its record gives it, without the record name:
// "F1 TIDAK, F2 YA<TAB>FH1<TAB>12pt<TAB>[cause line]".
std::string pathText(const CasePath& path);

// "F1 TIDAK, F2 YA", as a path record writes the answers.
std::string answersText(const std::vector<CaseStep>& steps);

} // namespace loco
