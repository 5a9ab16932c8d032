// What the fuzz targets share: the input they read, a frame buffer between guard pixels (with
// or without the headless main window), pictures, text buffers and bitmap fonts of exactly the
// sizes their readers may touch, built from the input, and the check that stops a run.
#pragma once
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "render/font.h"

extern FuzzedDataProvider* fuzzData;  // the input of the running call; null between calls

// Ends the run, naming what failed, when `holds` is false; libFuzzer keeps the input.
void Require(bool holds, const char* what);

// One of the values, chosen by the input.
int32_t Pick(std::initializer_list<int32_t> values);

// Starts a run on `data`: the frame buffer between guard pixels, filled with a background whose
// fourth bytes are not zero, and a drawing path chosen by the input. With `window`, the
// headless main window is created, shown and active on a 1024 x 768 screen, its frame buffer
// moved between the guards.
void BeginFuzzRun(FuzzedDataProvider* data, bool window);
// Checks the guards, frees what the run made and closes the window.
void EndFuzzRun();
void CheckFrameGuards();

// A block of exactly `bytes` bytes, kept until the run ends, so that a read past it is caught.
// Filled with one byte from the input; null for 0 bytes.
const uint8_t* Picture(size_t bytes);

// A text buffer of `capacity` bytes between guard bytes, holding input bytes up to a zero
// somewhere inside it (capacity 0: null). Sometimes full: capacity - 1 characters.
char* TextBuffer(int32_t capacity);
// Every text buffer's guards are whole, and each text `text` of `capacity` ends inside it.
void CheckTextGuards();
bool TerminatedInside(const char* text, int32_t capacity);

// A bitmap font in any of the four sheet formats, proportional or not, whose sheet holds
// exactly the columns and rows its glyphs cover. Every advance is at least 0.
struct FuzzFont {
    Font* font;
    int32_t widest;    // the widest glyph
    int32_t furthest;  // the largest advance (width plus spacing)
};
FuzzFont MakeFont();
