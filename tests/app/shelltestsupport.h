#pragma once

#include "panelhost.h"
#include "puzzlesupply.h"
#include "sudokugame.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace pondrel::test {

// A game on a throw-away preference file with an in-memory supply (the
// built-in list, no background generation) and a panel that shows a small
// stand-in for the board.
class ShellTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_settings = std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("settings.conf")),
                                                 QSettings::NativeFormat);
        m_game = std::make_unique<SudokuGame>(
            m_settings.get(), std::make_unique<PuzzleSupply>(std::nullopt, false), false);
        m_panel = std::make_unique<PanelHost>(*m_game);
        m_panel->setSource(
            QUrl::fromLocalFile(QStringLiteral(PONDREL_TEST_DATA_DIR "/StandInView.qml")));
    }

    void TearDown() override
    {
        m_panel.reset();
        m_game.reset();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<SudokuGame> m_game;
    std::unique_ptr<PanelHost> m_panel;
};

} // namespace pondrel::test
