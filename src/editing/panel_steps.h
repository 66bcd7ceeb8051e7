#pragma once

class MapDocument;

// The changes the panel's map controls make, each a step of its own.

// An arrow step (or a program change) of the width or height up-down from
// the old value to the proposed one: the resize rules, and the map unsaved,
// also when the proposal lies outside 1..255 and nothing else changes.
void StepWidth(MapDocument& document, int oldWidth, int proposed, bool riseLeft);
void StepHeight(MapDocument& document, int oldHeight, int proposed, bool riseDown);

// A size typed into an edit: the map's size without the resize rules.
void TypeSize(MapDocument& document, int width, int height);

// A background chosen or set; nothing when the map has it already.
void ChooseBackground(MapDocument& document, int background);
