// Football Korva encyclopedia: the lists that jump to another page. Each page
// names the way back to the encyclopedia's folder in its body's data-root.

function korvaRoot() {
    return document.body.getAttribute("data-root") || "./";
}

// A league name as the page's file name holds it.
function korvaSafeName(text) {
    var name = text.replace(/[\/\\\u0000-\u001f\u007f]/g, "-").replace(/^[. ]+/, "");
    return name.length > 0 ? name : "_";
}

// The league of a leaders page: its own link names the file.
function korvaLeaguePrefix() {
    var link = document.querySelector("#korva-league a[href]");
    if (!link) return "NFL";
    var file = decodeURIComponent(link.getAttribute("href"));
    var found = /^(.*) Leaders( [0-9]+| By Season)?\.htm$/.exec(file);
    return found ? found[1] : "NFL";
}

function korvaGo(path) {
    var parts = path.split("/");
    for (var n = 0; n < parts.length; n++) parts[n] = encodeURIComponent(parts[n]);
    window.location.href = korvaRoot() + parts.join("/");
}

var KORVA_POSITION_PAGES = ["qbindex", "rbindex", "wrindex", "teindex", "OLindex", "DLindex", "kickindex",
                            "puntindex"];

function OnChange(list) {
    var value = list.value;
    if (value === "-100") return;
    var text = list.options[list.selectedIndex].text;
    switch (list.name) {
    case "week":
        korvaGo(value === "-1" ? "SeasonDetail/Season details.htm"
                               : "SeasonDetail/Season details week" + value + ".htm");
        break;
    case "season_year":
        korvaGo(value === "-1" ? "Season summary.htm" : "Season summary " + value + ".htm");
        break;
    case "leaders_year":
        korvaGo("leagueleaders/" + korvaLeaguePrefix() + " Leaders " + value + ".htm");
        break;
    case "alltime_team":
        korvaGo("teams/" + value + ".htm");
        break;
    case "season_team":
        korvaGo("TeamsDetail/" + value + ".htm");
        break;
    case "leaders":
        korvaGo(korvaSafeName(text + " Leaders") + ".htm");
        break;
    case "player_pos":
        if (KORVA_POSITION_PAGES[value]) korvaGo("SortedPlayers/" + KORVA_POSITION_PAGES[value] + ".htm");
        break;
    case "player_name":
        korvaGo("SortedPlayers/" + value + "index.htm");
        break;
    case "player_team":
        korvaGo("SortedPlayers/" + value + " index.htm");
        break;
    }
}
