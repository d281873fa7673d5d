-- Line tools: duplicate, delete or join the lines that the selection touches (the caret's line
-- when nothing is selected). An example of working with whole lines: tb.getSelection() also
-- tells where the block of touched lines begins ("mincline") and ends ("maxcline").

local german = tb.getLanguage() == "de"
local texts = german and {
    name = "Zeilenwerkzeuge",
    duplicate = "Zeile verdoppeln",
    delete = "Zeile löschen",
    join = "Zeilen verbinden",
} or {
    name = "Line tools",
    duplicate = "Duplicate line",
    delete = "Delete line",
    join = "Join lines",
}

function versionInfo()
    tb:setPluginInfo(texts.name, "1.0", "Tabulet", "", "", "2.1.0")
    tb:setPluginDescription("Duplicates, deletes or joins the lines of the selection.")
end

function initPlugin()
    tb:registerMenuEntry(texts.duplicate, "duplicateLines")
    tb:registerMenuEntry(texts.delete, "deleteLines")
    tb:registerMenuEntry(texts.join, "joinLines")
end

-- The touched lines as one text, with the positions where they begin and end.
local function touchedLines()
    local selection = tb:getSelection()
    local _, text = tb:getText(selection.mincline, selection.maxcline)
    return text, selection.mincline, selection.maxcline
end

function duplicateLines()
    local text, first, last = touchedLines()
    if string.sub(text, -1) == "\n" then
        tb:setText(last, last, text)
    else
        -- The note's last line has no break of its own yet.
        tb:setText(last, last, "\n" .. text)
    end
end

function deleteLines()
    local _, first, last = touchedLines()
    -- Deleting the last line also takes the break before it, so that no empty line stays.
    if last == tb:getTextSize() and first > 0 then
        first = first - 1
    end
    tb:setText(first, last, "")
end

function joinLines()
    local selection = tb:getSelection()
    local lastLine = selection.maxline
    -- With a single line, the next one is joined to it.
    if selection.minline == lastLine and lastLine + 1 < tb:getNumLines() then
        lastLine = lastLine + 1
    end
    local limits = tb:getLineBlockLimits(selection.minline, lastLine)
    local _, text = tb:getText(limits.mincline, limits.maxcline)
    local ending = ""
    if string.sub(text, -1) == "\n" then
        text, ending = string.sub(text, 1, -2), "\n"
    end
    -- Each break and the indentation after it become one space.
    local joined = string.gsub(text, "[ \t]*\n[ \t]*", " ")
    tb:setText(limits.mincline, limits.maxcline, joined .. ending)
end
