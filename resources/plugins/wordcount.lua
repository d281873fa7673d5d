-- Word count: how many words, characters and lines the selection holds, or the whole note
-- when nothing is selected. A small example of a Tabulet plug-in: it describes itself in
-- versionInfo(), adds one menu entry in initPlugin(), reads the note with tb.getText() and
-- shows its result with tb.tell().

-- Menu texts follow the language Tabulet speaks: German in German, English otherwise.
local german = tb.getLanguage() == "de"
local texts = german and {
    name = "Wortzählung",
    entry = "Wörter zählen",
    selection = "Auswahl",
    note = "Notiz",
    report = "%s: %s, %s, %s",
    words = {"Wort", "Wörter"},
    characters = {"Zeichen", "Zeichen"},
    lines = {"Zeile", "Zeilen"},
} or {
    name = "Word count",
    entry = "Count words",
    selection = "Selection",
    note = "Note",
    report = "%s: %s, %s, %s",
    words = {"word", "words"},
    characters = {"character", "characters"},
    lines = {"line", "lines"},
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

-- "1 word", "2 words": both languages use the singular for one alone.
local function counted(number, forms)
    return string.format("%d %s", number, number == 1 and forms[1] or forms[2])
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
    tb:tell(string.format(texts.report, what, counted(words, texts.words),
        counted(characters, texts.characters), counted(lines, texts.lines)))
end
