#pragma once

// The glyphs of the action icons: what each icon shows, read from the start
// of its name; the state and the white or black variant only change its
// colour. Drawn on a 28 x 28 grid.

#include <QColor>
#include <QPainter>
#include <QString>

enum class Glyph {
    Plus, Note, Back, Bin, BinTick, Gear, Play, Pause, Stop, Download, Folder, Eye, Globe, Tick, Cross,
    Clock, Film, Screen, Reload, Return, Skip, Pen, Chevron, Disc, Live, Mouse, Info, Help, Ring
};

Glyph glyphOf(const QString& name);
void drawActionIcon(QPainter& p, Glyph g, const QColor& c);
