-- Date and time: inserts the current date and time at the caret (or over the selection),
-- either as Tabulet's language writes it or in the ISO 8601 form. An example of a plug-in with
-- two menu entries that changes the note with tb.setText().

local german = tb.getLanguage() == "de"
local texts = german and {
    name = "Datum und Uhrzeit",
    localEntry = "Datum und Uhrzeit einfügen",
    isoEntry = "Datum und Uhrzeit einfügen (ISO 8601)",
} or {
    name = "Date and time",
    localEntry = "Insert date and time",
    isoEntry = "Insert date and time (ISO 8601)",
}

function versionInfo()
    -- Needs tb:getDateText(), which came with 2.1.23.
    tb:setPluginInfo(texts.name, "1.1", "Tabulet", "", "", "2.1.23")
    tb:setPluginDescription("Inserts the date and time in Tabulet's language or in ISO 8601.")
end

function initPlugin()
    tb:registerMenuEntry(texts.localEntry, "insertLocal")
    tb:registerMenuEntry(texts.isoEntry, "insertIso")
end

-- Replaces the selection (or inserts at the caret); the caret ends after the new text.
local function insert(text)
    local selection = tb:getSelection()
    tb:setText(selection.minc, selection.maxc, text)
end

-- The language's long date and the time: "Tuesday, December 8, 2026 2:30 PM",
-- "Dienstag, 8. Dezember 2026 14:30".
function insertLocal()
    insert(tb:getDateText())
end

function insertIso()
    -- "%z" gives +0100; ISO 8601 writes the offset as +01:00.
    local offset = os.date("%z")
    offset = string.sub(offset, 1, 3) .. ":" .. string.sub(offset, 4, 5)
    insert(os.date("%Y-%m-%dT%H:%M:%S") .. offset)
end
