#include "runs/RunGridTexts.h"

const char* CellLetter(int32_t value) {
  switch (value) {
    case 0: return "C";
    case 1: return "B";
    case 2: return "A";
    default: return "";
  }
}

const char* ParityLetter(bool condition, int32_t stepA, int32_t stepB) {
  if (condition) return stepA % 2 == 0 ? "a" : "b";
  return stepB % 2 == 0 ? "A" : "B";
}

const char* SignedPhaseLetter(bool negative, int32_t phase) {
  static const char* const kNegative[] = {"-x", "-y", "-z"};
  static const char* const kPositive[] = {"+x", "+y", "+z"};
  if (phase < 0 || phase > 2) return "";
  return negative ? kNegative[phase] : kPositive[phase];
}

const char* EventPhaseText(int32_t valueA, int32_t stepA, int32_t stepB) {
  if (valueA == 2) return SignedPhaseLetter(true, stepA % 3);
  return SignedPhaseLetter(false, stepB % 3);
}
