// Shared by the player pages: query parameters as the terminal writes them (never percent-encoded).
function queryParameters() {
  var result = {};
  var query = location.search.substring(1);
  query.split("&").forEach(function (pair) {
    var at = pair.indexOf("=");
    if (at > 0) result[pair.substring(0, at)] = pair.substring(at + 1);
  });
  return result;
}

function decodeName(base64) {
  try {
    var bytes = atob(base64);
    var codes = new Uint8Array(bytes.length);
    for (var i = 0; i < bytes.length; i++) codes[i] = bytes.charCodeAt(i);
    return new TextDecoder("utf-8").decode(codes);
  } catch (e) {
    return "";
  }
}

function call(name) {
  var args = Array.prototype.slice.call(arguments, 1);
  if (typeof window[name] === "function") window[name].apply(null, args);
}
