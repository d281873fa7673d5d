-- Word count: how many words, characters and lines the selection holds, or the whole note
-- when nothing is selected. A small example of a Tabulet plug-in: it describes itself in
-- versionInfo(), adds one menu entry in initPlugin() and reads the note with tb.getText().

-- Menu texts follow the user's language: German when LANG says so, English otherwise.
local german = string.sub(os.getenv("LANG") or "", 1, 2) == "de"
local texts = german and {
    name = "Wortzählung",
    entry = "Wörter zählen",
    selection = "Auswahl",
    note = "Notiz",
    report = "%s: %d Wörter, %d Zeichen, %d Zeilen",
} or {
    name = "Word count",
    entry = "Count words",
    selection = "Selection",
    note = "Note",
    report = "%s: %d words, %d characters, %d lines",
}

-- Called first: the plug-in tells who it is. The last argument is the lowest Tabulet version
-- it needs.
function versionInfo()
    tb:setPluginInfo(texts.name, "1.0", "Tabulet", "", "", "2.1.0")
    tb:setPluginDescription("Counts the words, characters and lines of the note or of the selection.")
end

-- Called once the plug-in is accepted: register what it offers.
function initPlugin()
    tb:registerMenuEntry(texts.entry, "countWords")
end

-- The menu entry. Positions count characters; tb.getText() returns UTF-8 text in which each
-- paragraph ends with "\n".
function countWords()
    local selection = tb:getSelection()
    local text, what
    if selection.minc ~= selection.maxc then
        local _, selected = tb:getText(selection.minc, selection.maxc)
        text, what = selected, texts.selection
    else
        local _, whole = tb:getText(0, tb:getTextSize())
        text, what = whole, texts.note
    end
    -- gsub returns the number of replacements as its second result: a way to count that works
    -- in every Lua version.
    local _, words = string.gsub(text, "%S+", "")
    -- One character per UTF-8 sequence: count the bytes that do not continue a sequence.
    local _, characters = string.gsub(text, "[^\128-\191]", "")
    local lines = 0
    if text ~= "" then
        local _, breaks = string.gsub(text, "\n", "")
        lines = breaks + 1
        -- A selection of whole lines ends with a break that starts no further line.
        if string.sub(text, -1) == "\n" then
            lines = lines - 1
        end
    end
    tb:alert(string.format(texts.report, what, words, characters, lines))
end
