// A stand-in for the main window that records what the engine asks of the screen.
#pragma once

#include "BoardGeometry.h"
#include "GameState.h"
#include "RandomSource.h"
#include "Screen.h"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace surabe::fakes {

class FakeScreen : public Screen {
public:
    explicit FakeScreen(GameState &state) : state_(state) {}

    void PlaceTileBox(int tile, int cell) override
    {
        boxPosition[tile] = {CellLeft(state_, cell), CellTop(state_, cell)};
        placed.push_back(tile);
    }
    void SetTileBoxVisible(int tile, bool visible) override { boxVisible.at(tile) = visible; }
    void SetPreviewVisible(bool visible) override { previewVisible = visible; }
    void SetClockLabelVisible(bool visible) override { clockLabelVisible = visible; }
    void SetClockText(const char *utf8Text) override { clockText = utf8Text; }
    bool IsClockEnabled() const override { return clockEnabled; }
    void SetClockEnabled(bool enabled) override { clockEnabled = enabled; }

    // Does what the real layout does to the model: places every box and rebuilds TilePos.
    // `duringLayout` stands for events that a message box of the layout lets through.
    void LayoutBoard() override
    {
        ++layouts;
        if (duringLayout)
            duringLayout();
        const int cells = state_.BoardSize * state_.BoardSize;
        for (int cell = 1; cell <= cells; ++cell)
            boxPosition[state_.Board[cell]] = {CellLeft(state_, cell), CellTop(state_, cell)};
        RebuildTilePos(state_);
    }

    void OpenBestTimeEntry() override
    {
        ++entryDialogs;
        entryOpenedWithClockRunning = clockEnabled;
    }

    int VisibleBoxCount() const
    {
        int count = 0;
        for (bool visible : boxVisible)
            count += visible;
        return count;
    }

    std::array<std::pair<int, int>, kTileBoxCount> boxPosition{};
    std::array<bool, kTileBoxCount> boxVisible{};
    std::vector<int> placed;
    bool previewVisible = false;
    bool clockLabelVisible = false;
    bool clockEnabled = false;
    bool entryOpenedWithClockRunning = false;
    std::string clockText;
    int layouts = 0;
    int entryDialogs = 0;
    std::function<void()> duringLayout;

private:
    GameState &state_;
};

// Hands out the draws a test chooses; counts reseeds and draws.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<float> draws = {}, float filler = 0.0f)
        : draws_(std::move(draws)), filler_(filler)
    {
    }
    void Reseed() override { ++reseeds; }
    float Next() override
    {
        ++drawsTaken;
        if (draws_.empty())
            return filler_;
        const float r = draws_.front();
        draws_.pop_front();
        return r;
    }
    int reseeds = 0;
    int drawsTaken = 0;

private:
    std::deque<float> draws_;
    float filler_;
};

} // namespace surabe::fakes
