-- Change case: UPPER CASE, lower case or Title Case for the selected text. Each character is
-- replaced on its own, so that it keeps its font, colour and style. An example of reading and
-- changing the note character by character.

local german = tb.getLanguage() == "de"
local texts = german and {
    name = "Groß und klein",
    upper = "GROSSBUCHSTABEN",
    lower = "kleinbuchstaben",
    title = "Anfangsbuchstaben Groß",
} or {
    name = "Change case",
    upper = "UPPER CASE",
    lower = "lower case",
    title = "Title Case",
}

function versionInfo()
    tb:setPluginInfo(texts.name, "1.0", "Tabulet", "", "", "2.1.0")
    tb:setPluginDescription("Changes the selected text to upper case, lower case or title case.")
end

function initPlugin()
    tb:registerMenuEntry(texts.upper, "toUpper")
    tb:registerMenuEntry(texts.lower, "toLower")
    tb:registerMenuEntry(texts.title, "toTitle")
end

-- string.upper and string.lower only know ASCII; the letters of Latin-1 (à to þ, À to Þ) are
-- two bytes in UTF-8, 32 apart like their ASCII cousins. ß and ÿ have no single capital here.
local function upper(c)
    local first, second = string.byte(c, 1, 2)
    if first == 195 and second and second >= 160 and second <= 190 and second ~= 183 then
        return string.char(195, second - 32)
    end
    return string.upper(c)
end

local function lower(c)
    local first, second = string.byte(c, 1, 2)
    if first == 195 and second and second >= 128 and second <= 158 and second ~= 151 then
        return string.char(195, second + 32)
    end
    return string.lower(c)
end

local function isLetter(c)
    return string.find(c, "^[%w\128-\255']") ~= nil
end

-- Walks the selection one character (one position) at a time and replaces those that change.
-- change(character, previous) returns the new character.
local function changeSelection(change)
    local selection = tb:getSelection()
    local previous = ""
    if selection.minc > 0 then
        local _, before = tb:getText(selection.minc - 1, selection.minc)
        previous = before
    end
    for position = selection.minc, selection.maxc - 1 do
        local _, c = tb:getText(position, position + 1)
        local changed = change(c, previous)
        if changed ~= c then
            tb:setText(position, position + 1, changed)
        end
        previous = c
    end
    tb:setSelection(selection.minc, selection.maxc)
end

function toUpper()
    changeSelection(upper)
end

function toLower()
    changeSelection(lower)
end

function toTitle()
    changeSelection(function(c, previous)
        if isLetter(previous) then
            return lower(c)
        end
        return upper(c)
    end)
end
