// The wizard's one typeface: Arial at a height in pixels, for titles, texts and the step list.
#pragma once

class CFont;

void CreateArialFont(CFont& font, int nHeight);
