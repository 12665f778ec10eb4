#!/usr/bin/env python3
"""Plants faults, one at a time, in a scratch copy of the tree and runs the
tests: every fault should make at least one test fail. A fault whose code has
since changed is reported as NOT PLANTED; rewrite it for the new code.

Usage: tools/plant-faults.py [SCRATCH_DIR] [--area AREA] [--check] [fault name ...]
The scratch copy (default /tmp/pick3-faults) is built once with the ci preset.
Each fault then costs one incremental build of its area and one run of its
area's tests: an engine room's tests (CTest label numbers, history, stats,
sets, backtest, games or plays; store for the game library) for a fault in that room, the window tests (label ui) for
any other. A fault its area misses is tried on the rest of the suite, and
reported as caught outside its area if that catches it (an engine room's fault
on the other rooms' tests first). A fault in a window's folder is first tried on
that window's own tests alone.
--area AREA  plants only the faults of one area.
--check      only reports the faults that no longer match the code."""

import os
import re
import subprocess
import sys

# (what the fault does, file, text replaced, replacement)
FAULTS = [
 ("wrong label", "src/engine/numbers/Labels.cpp", '"Mostly even", "All even"', '"Mostly Even", "All even"'),
 ("reader off by one: refuses one tick early", "src/engine/numbers/Selection.cpp",
  "if (static_cast<std::size_t>(set.count()) == entry.items.size())",
  "if (static_cast<std::size_t>(set.count()) + 1 == entry.items.size())"),
 ("swapped reader order", "src/engine/numbers/Commands.cpp",
  "    Family::Root,    Family::DigitSort, Family::OCS,",
  "    Family::DigitSort,    Family::Root, Family::OCS,"),
 ("lost must-include rule", "src/engine/numbers/FilterRule.cpp", "    if (mustIncludeApplies) {", "    if (false && mustIncludeApplies) {"),
 ("mirror to the wrong row", "src/app/frmPick3ZozevidAru.cpp",
  "        list(store)->setTicked(row, ticked);", "        list(store)->setTicked(row == 0 ? 1 : row, ticked);"),
 ("caption count", "src/engine/numbers/Pairs.cpp", '"  SP: " + count(pairs.split)', '"  SP: " + count(pairs.right)'),
 ("back-test peeks at the draw it judges", "src/engine/backtest/BackTestRun.cpp",
  "        if (t >= firstTested) {", "        if (walk.hotColdInUse) {\n            addDraw(count, draw);\n        }\n        if (t >= firstTested) {"),
 ("boxed single covers five draws", "src/engine/numbers/NumberSets.cpp", "        return 6;", "        return 5;"),
 ("Filter more counts a line break as one", "src/engine/numbers/Commands.h",
  "    return characters + lineBreaks > 3;", "    return characters > 3 + 0 * lineBreaks;"),
 ("output order LHM writes LMH", "src/engine/numbers/OutputOrder.cpp",
  "written.push_back(numeral(c == 'L' ? a1 : c == 'M' ? a2 : a3));",
  "written.push_back(numeral(c == 'L' ? a1 : c == 'M' ? a2 : a3)); if (code == \"LHM\") return numberText(a1, a2, a3);"),
 ("mode switch keeps digit-sort ticks", "src/app/frmPick3ZozevidAru.cpp",
  "        if (entry.modeOnly()) {", "        if (entry.modeOnly() && entry.id != ListId::LMHDigits) {"),
 ("skip count off by one", "src/engine/stats/SkipCounts.cpp", "hits == 0 ? draws : draws - 1 - last", "hits == 0 ? draws : draws - last"),
 ("hot/cold Close leaves the patterns", "src/hotcold/frmHotCold.cpp",
  "void frmHotCold::cmdClose_Click() {\n    sbClearP3HCSettings();", "void frmHotCold::cmdClose_Click() {"),
 ("pair dialog not discarded", "src/widgets/DiscardableDialog.h",
  "        if (discard_ == Discard::OnEveryClose) {", "        if (false && discard_ == Discard::OnEveryClose) {"),
 ("positional Filter more writes boxed order", "src/engine/numbers/Commands.cpp",
  "    if (in.mode == DigitMode::Positional || fnIsTriple(d1, d2, d3)) {", "    if (fnIsTriple(d1, d2, d3)) {"),
 ("context menu on the wrong list", "src/app/ContextMenus.cpp",
  '"De-select", ListId::Width_XX}', '"De-select", ListId::WidthX_X}'),
 ("live count loads the closed counter", "src/app/frmPick3ZozevidAru.cpp",
  "    const LiveCount count = liveCount(readInput(false));", "    const LiveCount count = liveCount(readInput(true));"),
 ("miss blamed on the last condition", "src/engine/backtest/BackTestRun.cpp",
  "                first[static_cast<std::size_t>(n)] = static_cast<int>(i);\n                break;",
  "                first[static_cast<std::size_t>(n)] = static_cast<int>(i);"),
 ("consecutive must-have-2 keeps runs of three", "src/engine/numbers/NumberSets.cpp",
  "return p.iConsec3 == 3 || p.iConsec2 != 2;", "return p.iConsec2 != 2;"),
 ("hot digits: six per list", "src/engine/numbers/NumberProfile.h", "kHotDigitsPerList = 5;", "kHotDigitsPerList = 6;"),
 ("live count not updated on a pair tick", "src/app/frmPick3ZozevidAru.cpp",
  "    commands_->showPairCounts(pairs_);\n    updateLiveCount();", "    commands_->showPairCounts(pairs_);"),
 ("back-test strip not turned to history order", "src/engine/backtest/BackTestRun.cpp",
  "        std::reverse(report.strip.begin(), report.strip.end());", "        (void)0;"),
 ("winners per number upside down", "src/engine/backtest/BackTestRun.cpp",
  "shares.winnersPerNumber = shares.winners / shares.numbers;",
  "shares.winnersPerNumber = shares.numbers / shares.winners;"),
]
FAULTS += [
 ("refusal leaves the old results", "src/app/frmPick3ZozevidAru.cpp",
  "    if (result.text) {\n        commands_->setResultsText(*result.text);",
  "    if (result.text && !result.refusal) {\n        commands_->setResultsText(*result.text);"),
 ("message box titled with the window", "src/app/frmPick3ZozevidAru.cpp",
  "        showMessage(this, sAppTitle(), fromEngine(*result.refusal));",
  "        showMessage(this, windowTitle(), fromEngine(*result.refusal));"),
 ("output box reports no codes", "src/app/frmOutputBox.cpp", "    Q_EMIT orderChanged(codes_);", "    (void)codes_;"),
 ("count ignores the sort option", "src/hotcold/DrawEntryPanel.cpp",
  "    return optSortOrder_[0]->isChecked() ? SortOrder::HitsDescDigitsAsc\n                                         : SortOrder::HitsDescDigitsDesc;",
  "    return SortOrder::HitsDescDigitsAsc;"),
 ("pair ticks not written back", "src/pairs/PairDialog.cpp", "        readPairs(pairs_);\n", ""),
 ("back-test ignores the newest end", "src/backtest/frmBackTestWindow.cpp",
  "    return {newest_->checkedId() == 1 ? NewestEnd::Last : NewestEnd::First,",
  "    return {NewestEnd::First,"),
 ("back-test ignores the number of draws", "src/backtest/frmBackTestWindow.cpp",
  "            static_cast<std::size_t>(lastDraws_->currentData().toInt()), order_};", "            0, order_};"),
 ("hot/cold window starts on Close", "src/hotcold/frmHotCold.cpp", "    entry_->focusEntry();\n", ""),
 ("Tab stays in the results box", "src/app/CommandPanel.cpp", "    results->setTabChangesFocus(true);", "    results->setTabChangesFocus(false);"),
 ("banner painted white to blue", "src/widgets/BannerFrame.cpp",
  "    sbGradientTopToBottom(painter, title_->geometry(), kBannerBlue, kBannerWhite);",
  "    sbGradientTopToBottom(painter, title_->geometry(), kBannerWhite, kBannerBlue);"),
 ("skip table sorts by text", "src/backtest/frmBackTestWindow.cpp",
  "        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();",
  "        return text() < other.text();"),
 ("Reset filters keeps the consecutive option", "src/app/frmPick3ZozevidAru.cpp", "    filters_->selectConsec(0);\n", ""),
 ("hot/cold title-bar close discards", "src/hotcold/frmHotCold.cpp", "Discard::OnCloseButtonOnly", "Discard::OnEveryClose"),
 ("long back-test never shows its result", "src/backtest/frmBackTestWindow.cpp", "        showRun(running_.result());", "        (void)running_;"),
 ("strip cell names the wrong draw", "src/backtest/frmBackTestWindow.cpp",
  "report_.strip[static_cast<std::size_t>(cell)];", "report_.strip[static_cast<std::size_t>(cell == 0 ? 1 : cell)];"),
 ("upper tail summed towards the mean", "src/engine/stats/Chance.cpp",
  "        return std::min(0.0, logTailFrom(n, k, p, +1));", "        return std::min(0.0, logTailFrom(n, k, p, -1));"),
 ("every cost row coloured, luck or not", "src/engine/backtest/BackTestRun.cpp",
  "    if (shares.logChance < std::log(0.05)) {", "    if (shares.logChance <= 0.0) {"),
 ("a boxed double paid as six-way", "src/engine/backtest/BackTestRun.cpp",
  ": covers == 3 ? prizes.boxThreeWay", ": covers == 3 ? prizes.boxSixWay"),
 ("due over the expected skip without the one", "src/engine/stats/SkipCounts.cpp",
  "/ (expectedSkip() + 1.0);", "/ expectedSkip();"),
 ("focus left on Close after a long test", "src/backtest/frmBackTestWindow.cpp",
  "        showRun(running_.result());\n        restoreFocus();", "        showRun(running_.result());"),
 ("prize fields change nothing", "src/backtest/frmBackTestWindow.cpp",
  "            if (!showingGame_) {\n                showMoney();", "            if (false) {\n                showMoney();"),
]
FAULTS += [
 ("four digits in one field read as a draw", "src/engine/history/ImportLine.cpp",
  "const std::size_t draws = run != Gap::Field ? (length == 3 || addOnLast ? 1 : 0)",
  "const std::size_t draws = run != Gap::Field ? (length >= 3 ? 1 : 0)"),
 ("ambiguous dates always read month first", "src/engine/history/DrawRecognition.cpp",
  "        } else if (jumps(result_.draws, DateOrder::DayMonthYear) <", "        } else if (false && jumps(result_.draws, DateOrder::DayMonthYear) <"),
 ("a weekday never drawn is reported missing", "src/engine/history/DrawRecognition.cpp",
  "            weekdayDrawn[static_cast<std::size_t>(weekdayOf(day))]) {\n            result_.missingDates",
  "            true) {\n            result_.missingDates"),
 ("a batch of lines cut inside a line", "src/engine/history/DrawRecognition.cpp",
  "        const std::size_t at = text_.find(lineBreak, from + bytes);",
  "        const std::size_t at = from + bytes - 1;"),
 ("each batch numbers its lines from 1", "src/engine/history/DrawRecognition.cpp",
  "bool Reading::readBatch(const Batch& batch) {\n", "bool Reading::readBatch(const Batch& batch) {\n    lineNumber_ = 0;\n"),
 ("progress told by the batch's own offsets", "src/engine/history/DrawRecognition.cpp",
  "        ahead.end = from + walk.offset();", "        ahead.end = walk.offset();"),
 ("a line whose spaces were made plain read from the text", "src/engine/history/DrawRecognition.cpp",
  "return (line.copied ? std::string_view(copies) : text)", "return (false ? std::string_view(copies) : text)"),
 ("a batch read ahead into the slot of one not yet taken", "src/engine/history/ImportBatches.cpp",
  "taken_ < inOrderTo_ + slots_; }", "taken_ <= inOrderTo_ + slots_; }"),
 ("the draws' runs merged later run first", "src/engine/history/DrawRecognition.cpp",
  "            std::merge(first, middle, middle, last,", "            std::merge(middle, last, first, middle,"),
]

FAULTS += [
 ("imported draws replace the box beyond undo", "src/widgets/TextBox.cpp",
  "    cursor.insertText(inParagraphs(text, kLinesPerParagraph));",
  "    setPlainText(inParagraphs(text, kLinesPerParagraph));"),
 ("a tick list keeps its size when an item is added", "src/widgets/CheckList.cpp",
  "        current_ = count() - 1;\n    }\n    hint_.reset();",
  "        current_ = count() - 1;\n    }\n"),
 ("a tick list keeps its size when its font changes", "src/widgets/CheckList.cpp",
  "    case QEvent::FontChange:\n", ""),
 ("the luck of a shown window's tickets never begun", "src/plays/MoneyLuckPanel.cpp",
  "        QTimer::singleShot(0, this, &MoneyLuckPanel::startWork); // once the painting is done",
  "        (void)0;"),
 ("a season's second half of tickets put first", "src/engine/plays/PlayTotals.cpp",
  "    checked.insert(checked.end(), std::make_move_iterator(rest.begin()),",
  "    checked.insert(checked.begin(), std::make_move_iterator(rest.begin()),"),
 ("the inversion counts draws alike once", "src/engine/plays/LuckInversion.cpp",
  ": std::exp(static_cast<double>(count) * std::log(one));", ": one;"),
 ("the inversion's window a spread wide, folding its tails in", "src/engine/plays/LuckInversion.cpp",
  "    const double half = (b + std::sqrt(b * b + 400.0 * tilted.variance)) / 2.0;",
  "    const double half = b * 0.0 + std::sqrt(tilted.variance);"),
 ("a ticket column fitted to its first row only", "src/plays/TextTable.cpp",
  "            if (*width > widest) {", "            if (*width > widest && widestRow < 0) {"),
 ("the luck of a draw pays every ticket as the first rule worked out", "src/engine/plays/MoneyLuck.cpp",
  "        auto known = pays.find(rule);", "        auto known = pays.empty() ? pays.end() : pays.begin();"),
 ("a long text's scroll range counts paragraphs, not lines", "src/widgets/TextBox.cpp",
  "        block.setLineCount(static_cast<int>(block.text().count(QChar::LineSeparator)) + 1);",
  "        (void)block;"),
 ("a CR LF in a long text makes two lines", "src/widgets/TextBox.cpp",
  "if (*at == u'\\r' && at + 1 != end && at[1] == u'\\n') {", "if (false) {"),
 ("import writes newest first whatever the choice", "src/importdraws/KeepChoicesPanel.cpp",
  "    keep.newestFirst = newestFirst();", "    keep.newestFirst = true;"),
 ("back-test dates an edited box", "src/hotcold/frmHotCold.cpp",
  "    if (!importCounted_ || entry_ == nullptr || entry_->text() != imported_.text) {",
  "    if (entry_ == nullptr || !imported_.labelOf) {"),
]
FAULTS += [
   ("a set may list an item twice", "src/engine/sets/FilterSetFile.cpp",
  "        if (ticks[row]) {\n            throw Refusal(", "        if (false && ticks[row]) {\n            throw Refusal("),
 ("an opened set leaves the must-include ticks", "src/app/frmPick3ZozevidAru.cpp",
  "        mustHave_.setTicked(static_cast<int>(row), mustHave[row].ticked);", "        (void)row;"),
 ("the set's name never marked changed", "src/app/SetFilePanel.cpp",
  "    const bool changed = current_() != *inForce_;", "    const bool changed = false;"),
]

FAULTS += [
 ("the printed list drops its last number", "src/app/PlayListPrinter.cpp",
  "std::min(groups[s].size(), first + static_cast<std::size_t>(columns));",
  "std::min(groups[s].size() - 1, first + static_cast<std::size_t>(columns));"),
 ("the filter lists keep their width: the whole window scrolls", "src/app/frmPick3ZozevidAru.cpp",
  "    row->addWidget(filterScroll);", "    row->addWidget(filterScroll);\n    filterScroll->setMinimumWidth(filters_->sizeHint().width());"),
 ("a number across a line break is shown on its last line", "src/engine/numbers/PlayList.cpp",
  "        if (held.empty()) {\n            startLine = line;\n        }", "        startLine = line;"),
]


# The ledger of tries.
FAULTS += [
 ("the ledger keeps tries made on other draws", "src/engine/backtest/TryLedger.cpp",
  "    if (settings_.empty() || drawsKey != draws_) {", "    if (settings_.empty()) {"),
 ("the output order counts as other settings", "src/engine/backtest/TryLedger.cpp",
  "    set.order = {}; // the order of the output plays no part in a back-test\n", ""),
 ("the draws' key ignores the newest end", "src/engine/backtest/TryLedger.cpp",
  "    add(options.newest == NewestEnd::First ? 0 : 1);\n", ""),
]

# The tests of a fair draw and the Poisson binomial.
FAULTS += [
 ("Holm's correction left out", "src/engine/stats/Fairness.cpp",
  "        const double times = static_cast<double>(order.size() - j);",
  "        const double times = 1.0 + 0.0 * static_cast<double>(order.size() - j);"),
 ("a run counted at every draw", "src/engine/stats/Fairness.cpp",
  "        t.runs += i == 0 || isAbove != wasAbove ? 1 : 0;",
  "        t.runs += i == 0 || isAbove != wasAbove || true ? 1 : 0;"),
 ("a repeat counted against the draw two back", "src/engine/stats/Fairness.cpp",
  "        before = d;\n", "        before = i % 2 == 0 ? d : before;\n"),
 ("the edge recursion drops what reaches k", "src/engine/stats/PoissonBinomial.cpp",
  "                q[m] = (atLeast && m == k ? q[m] : q[m] * (1.0 - p)) + q[m - 1] * p;",
  "                q[m] = q[m] * (1.0 - p) + q[m - 1] * p;"),
 ("the edge recursion never rescaled", "src/engine/stats/PoissonBinomial.cpp",
  "            if (most < 1e-150) {", "            if (most < 0.0) {"),
 ("few misses worked as few hits", "src/engine/stats/PoissonBinomial.cpp",
  "        return edgeLogTail(draws, n - k, false, true);", "        return edgeLogTail(draws, n - k, false, false);"),
]

# What a start makes and maps: the printing module, the banner's square, the tick lists' bars.
FAULTS += [
 ("printing looks for a module of another name", "src/widgets/PrintAccess.cpp",
  'constexpr char kModuleName[] = "pick3_print";', 'constexpr char kModuleName[] = "pick3_prints";'),
 ("a start makes the file dialogs' settings folder", "src/app/frmPick3ZozevidAru.cpp",
  '    setObjectName(QStringLiteral("frmPick3ZozevidAru"));\n',
  '    setObjectName(QStringLiteral("frmPick3ZozevidAru"));\n    (void)keepSettingsForTheRunOnly();\n'),
 ("the Close square keeps its thin line with the keyboard on it", "src/widgets/BannerFrame.cpp",
  "        const int line = hasFocus() ? 2 : 1;", "        const int line = 1;"),
 ("the banner's title in the text colour", "src/widgets/BannerFrame.cpp",
  "    title_->setPalette(white);", "    (void)white;"),
 ("a tick list shown lays no bar out", "src/widgets/CheckList.cpp",
  "    case QEvent::Show:\n        layOutScrollBar();\n        break;\n", ""),
 ("a long tick list asks no room for its bar", "src/widgets/CheckList.cpp",
  "        width += scrollBarWidth();", "        width += 0 * scrollBarWidth();"),
]

# The chart series, the lookup and the charts window.
FAULTS += [
 ("axis labels may overlap by a gap", "src/engine/stats/ChartSeries.cpp",
  "    const double fit = std::floor((length + gap) / each);",
  "    const double fit = std::floor((length + 2.0 * gap) / each);"),
 ("cents written without their leading zero", "src/engine/stats/ChartSeries.cpp",
  "        text += (cents < 10 ? \".0\" : \".\") + std::to_string(cents);",
  "        text += \".\" + std::to_string(cents);"),
 ("the newest draws of a long history taken from the wrong end", "src/engine/stats/ChartSeries.cpp",
  "DrawList newestOf(const DrawList& oldest, std::size_t last) {\n",
  "DrawList newestOf(const DrawList& oldest, std::size_t last) {\n    return last == 0 || last >= oldest.size() ? oldest : DrawList(oldest.begin(), oldest.begin() + static_cast<std::ptrdiff_t>(last));\n"),
 ("the lookup's front pair matches the back pair", "src/engine/stats/NumberLookup.cpp",
  "        r.pairs[0].hits += draw / 10 == number / 10 ? 1 : 0;",
  "        r.pairs[0].hits += draw % 100 == number % 100 ? 1 : 0;"),
 ("the lookup counts skips from the oldest draw", "src/engine/stats/NumberLookup.cpp",
  "        const std::size_t place = newest == NewestEnd::First ? n - 1 - t : t;",
  "        const std::size_t place = t;"),
 ("the lookup's pairs expect a draw in ten", "src/engine/stats/NumberLookup.cpp",
  "        r.pairs[p].expected = static_cast<double>(n) / 100.0;",
  "        r.pairs[p].expected = static_cast<double>(n) / 10.0;"),
 ("the charts open on the heat map after a back-test", "src/charts/frmCharts.cpp",
  "    pages_->setCurrentRow(source_.report ? stack_->indexOf(luck) : 0);",
  "    pages_->setCurrentRow(0);"),
 ("the heat map leaves out its unusual cells", "src/charts/HeatPage.cpp",
  "    const std::string unusual = heatUnusualText(heat);", "    const std::string unusual;"),
 ("the luck table rows from the wrong series", "src/charts/LuckPage.cpp",
  "        s.rows.push_back({i, luck.hits[i], luck.expected[i], luck.net[i], luck.wonLessAverage[i],",
  "        s.rows.push_back({i, luck.expected[i], luck.hits[i], luck.net[i], luck.wonLessAverage[i],"),
 ("a differing draw replaced without its tick", "src/importdraws/LibraryKeepPanel.cpp",
  "        if (tblDiffers_->item(row, 4)->checkState() == Qt::Checked) {", "        if (true) {"),
 ("draws outside the schedule kept unticked", "src/importdraws/frmImportDraws.cpp",
  "    if (outside > 0 && keepPanel_->keepOutside()) {", "    if (outside > 0) {"),
 ("a game's draws fill the box oldest first", "src/hotcold/LibraryGamePanel.cpp",
  "    for (std::size_t i = held->size(); i-- > 0;) {", "    for (std::size_t i = 0; i < held->size(); ++i) {"),
 ("a file that is no library set aside unasked", "src/widgets/LibraryAccess.cpp",
  "    if (box.clickedButton() != start) {", "    if (false && box.clickedButton() != start) {"),
 ("a fetch's validators kept before its draws are", "src/importdraws/GameUpdate.cpp",
  "    const QString address = outcome.files.isEmpty() ? QString() : outcome.files.front().address;",
  "    confirmRead();\n    const QString address = outcome.files.isEmpty() ? QString() : outcome.files.front().address;"),
 ("Update asks again while the server asked to wait", "src/importdraws/GameUpdate.cpp",
  "    if (wait.isValid() && QDateTime::currentDateTimeUtc() < wait) {", "    if (false && wait.isValid()) {"),
 ("a source kept again loses its wait", "src/store/LibrarySources.cpp",
  "retry_after = excluded.retry_after", "retry_after = retry_after"),
 ("forgetting a game forgets nothing", "src/store/LibraryDraws.cpp",
  "DELETE FROM draw WHERE game = ?", "DELETE FROM draw WHERE game = ? AND 0"),
 ("a start writes a wake-up for every event it posts", "src/app/mdlMain.cpp",
  "    const WakeUpsHeld building;\n", ""),
 ("a held thread holds every thread's wake-ups", "src/app/WakeUpsHeld.cpp",
  "thread_local bool held = false;", "bool held = false;"),
 ("a held thread's posts to a worker's loop wake nothing", "src/app/WakeUpsHeld.cpp",
  "    if (held && context == mainLoopContext()) {", "    if (held && (true || context == mainLoopContext())) {"),
 ("an inner hold ends the outer one", "src/app/WakeUpsHeld.cpp",
  "    held = wasHeld_;", "    held = false;"),
 ("the fairness tests build the standard streams before main", "src/engine/stats/Fairness.cpp",
  "#define _GLIBCXX_IOSTREAM 1\n", ""),
]

def sh(cmd, cwd, timeout=1800):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    return subprocess.run(cmd, shell=True, cwd=cwd, env=env, capture_output=True, text=True,
                          timeout=timeout)


ROOMS = ("numbers", "history", "stats", "sets", "backtest", "games", "plays", "store")


def area_of(path):
    parts = path.split("/")
    if parts[:2] == ["src", "store"]:
        return "store"
    return parts[2] if parts[:2] == ["src", "engine"] and parts[2] in ROOMS else "ui"


# The window tests tried first for a fault in a window folder: the window's own.
FIRST_WINDOW_TESTS = {"app": ["mainwindow", "filtersets", "numbersout"],
                      "hotcold": ["hotcold", "library"],
                      "backtest": ["backtest"], "importdraws": ["importdraws", "library"],
                      "charts": ["charts", "fairness"], "pairs": ["pairs"],
                      "widgets": ["library"]}


def run_tests(scratch, area, outside=False, windows=None, rooms=None):
    """Builds what the tests of an area (or of all the others, of some windows or of
    some rooms) need, and runs them: None where the build fails, else the failed
    tests (empty where all pass)."""
    target = f"--target pick3_{area}_tests" if area in ROOMS and not outside else ""
    if windows:
        target = "--target " + " ".join(f"tst_{w}" for w in windows)
    if rooms:
        target = "--target " + " ".join(f"pick3_{r}_tests" for r in rooms)
    build = sh(f"cmake --build build/ci -j2 {target}", scratch)
    if build.returncode:
        errors = [line for line in build.stdout.splitlines() if "error" in line]
        print("\n".join(errors[:5]), file=sys.stderr, flush=True)
        return None
    selection = f"-LE '^{area}$'" if outside else f"-L '^{area}$'"
    if windows or rooms:
        labels = [f"window-{w}" for w in windows] if windows else rooms
        selection = "-L '^(" + "|".join(labels) + ")$'"
    run = sh(f"cd build/ci && ctest -j2 --timeout 300 {selection}", scratch)
    failed = sorted(set(re.findall(r"Test +#\d+: (\S+) .*(?:Failed|Exception|Timeout)",
                                   run.stdout)))
    return failed or ([] if run.returncode == 0 else ["(ctest failed)"])


def try_fault(scratch, name, path):
    area = area_of(path)
    windows = FIRST_WINDOW_TESTS.get(path.split("/")[1]) if area == "ui" else None
    if windows:
        failed = run_tests(scratch, area, windows=windows)
        if failed:
            return f"CAUGHT       {name}  by " + ", ".join(failed), False
    failed = run_tests(scratch, area)
    if failed is None:
        return f"BUILD FAILS  {name}", False
    if failed:
        return f"CAUGHT       {name}  by " + ", ".join(failed), False
    if area in ROOMS:  # the other rooms' tests build in a moment; the windows' take long
        failed = run_tests(scratch, area, rooms=[r for r in ROOMS if r != area])
        if failed:
            return f"CAUGHT       {name}  outside its area ({area}), by " + ", ".join(failed), False
    failed = run_tests(scratch, area, outside=True)
    if failed:
        return f"CAUGHT       {name}  outside its area ({area}), by " + ", ".join(failed), False
    return f"MISSED       {name}", True


def sync_copy(tree, scratch):
    """Makes the scratch copy hold the tree's files: only a file whose bytes differ
    is written (so that it alone is rebuilt), and a file the tree no longer has is
    removed (so that no folder's glob picks it up)."""
    tracked = subprocess.run(["git", "ls-files"], cwd=tree, capture_output=True,
                             text=True).stdout.split("\n")
    tracked = {f for f in tracked if f and os.path.isfile(os.path.join(tree, f))}
    for f in tracked:
        src, dst = os.path.join(tree, f), os.path.join(scratch, f)
        data = open(src, "rb").read()
        if not os.path.exists(dst) or open(dst, "rb").read() != data:
            os.makedirs(os.path.dirname(dst), exist_ok=True)
            open(dst, "wb").write(data)
            os.chmod(dst, os.stat(src).st_mode)
    for top in ("src", "tests", "bench", "games", "cmake", "tools"):
        for folder, _, files in os.walk(os.path.join(scratch, top)):
            for name in files:
                path = os.path.relpath(os.path.join(folder, name), scratch)
                if path not in tracked:
                    os.remove(os.path.join(scratch, path))


def main():
    args = sys.argv[1:]
    scratch = args.pop(0) if args and os.sep in args[0] else "/tmp/pick3-faults"
    only_area = None
    if "--area" in args:
        at = args.index("--area")
        only_area = args[at + 1]
        del args[at:at + 2]
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    tree = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    chosen = [f for f in FAULTS if (not args or f[0] in args) and
              (only_area is None or area_of(f[1]) == only_area)]
    stale = [f[0] for f in chosen
             if f[2] not in open(os.path.join(tree, f[1])).read()]
    for name in stale:
        print(f"NOT PLANTED  {name}", flush=True)
    if check:
        print(f"{len(chosen) - len(stale)} of {len(chosen)} faults match the code")
        sys.exit(1 if stale else 0)
    sync_copy(tree, scratch)
    if sh("cmake --preset ci >/dev/null && cmake --build build/ci -j2", scratch).returncode:
        sys.exit("the scratch copy does not build")
    missed = 0
    for name, path, old, new in chosen:
        if name in stale:
            continue
        full = os.path.join(scratch, path)
        text = open(full).read()
        open(full, "w").write(text.replace(old, new, 1))
        try:
            line, miss = try_fault(scratch, name, path)
            missed += miss
            print(line, flush=True)
        finally:
            open(full, "w").write(text)
    caught = len(chosen) - len(stale) - missed
    print(f"{caught} of {len(chosen)} faults caught")
    sys.exit(1 if missed or stale else 0)


if __name__ == "__main__":
    main()
