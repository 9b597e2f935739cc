// New, Open and Save: "FILE" asks about all three in turn, the File menu's items about one
// each. Saving asks for a path and opening shows the Open dialog; both try again after a
// failure until the user gives up.
#pragma once

#include <string_view>

namespace tova {

struct Program;

inline constexpr std::string_view kSaveQuestion = "Do You SAVE This File ? (*.KRT) ";
inline constexpr std::string_view kNewQuestion = "Do You STRART A New File ? ";
inline constexpr std::string_view kOpenQuestion = "Do You OPEN A File ? (*.KRT) ";
inline constexpr std::string_view kSavePrompt = "Input Path\\Filename(*.KRT):";
inline constexpr std::string_view kDefaultSavePath = "TOVA1.KRT";
inline constexpr std::string_view kOpenFileField = "*.KRT";

void C10_Click(Program& program);  // "FILE"
void Mnew_Click(Program& program);
void Msave_Click(Program& program);
void Mopen_Click(Program& program);

void NewDocument(Program& program);
void OpenDocument(Program& program);
void SaveDocument(Program& program);

}  // namespace tova
