"use strict";
// The page's script. The program serves it inside the page, each word marked for translation replaced by
// the words of the browser's language from the program's own catalogues (lupdate reads them under the
// context "page"), and the page's lang set to that language: numbers follow it too. Only syntax lupdate
// reads: no async, and a catch names its error.
const $ = (id) => document.getElementById(id);
const language = document.documentElement.lang;
// Sent by the program to pages opened with a token it has since renewed.
const renewedCode = 4001;
const renewedText = qsTr("This address was renewed: open the new one, or scan its code");
// The sound as the program names it (SoundState), in words.
const soundWords = {
  "routed": qsTr("routed"),
  //: The sound, as in "Sound: off"
  "off": qsTr("off"),
  "no sound server": qsTr("no sound server"),
  "looking for the transmitter's sound card": qsTr("looking for the transmitter's sound card"),
  "not found": qsTr("not found"),
};
let socket = null;
let state = {};
// Whether state is the program's as it stands: not before the first state, nor once cut off or renewed.
let live = false;
let retryDelay = 2000;

// The words with %1, %2... put in at once, so that a "%2" inside the first value stays as it is.
function fill(words, ...values) {
  return words.replace(/%([1-9])/g, (all, n) => (n <= values.length ? String(values[n - 1]) : all));
}

function number(value, decimals = 0) {
  return value.toLocaleString(language, { minimumFractionDigits: decimals, maximumFractionDigits: decimals,
    useGrouping: false });
}

function megahertz(kHz) { return number(kHz / 1000, 2); }

function tell(text) {
  $("message").textContent = text;
  if (text)
    window.scrollTo({ top: 0 });
}

function send(change) {
  if (socket && socket.readyState === WebSocket.OPEN)
    socket.send(JSON.stringify(change));
  else
    tell(qsTr("Not connected to the program."));
}

function inBand(kHz) {
  return String(state.Band).startsWith("76") ? kHz >= 76000 && kHz <= 90000 : kHz >= 87500 && kHz <= 108000;
}

// Cut off: nothing shown may pass for the transmitter's state, and no control may look as if it worked.
function showUnknown(text) {
  live = false;
  state = {};
  show();
  $("status").textContent = text;
}

function statusText(connected) {
  const connection = connected ? qsTr("Transmitter connected") : state.Connection === "no-permission" ?
    qsTr("No permission for the transmitter: install 70-tessaly.rules, then plug it in again") :
    qsTr("No transmitter connected");
  //: The status line's first sentence: whether the transmitter is connected, then whether it is on air
  const sentences = [fill(qsTr("%1, %2"), connection, state.OnAir ? qsTr("on air") : qsTr("off air"))];
  if (state.Delivered === false)
    sentences.push(fill(qsTr("The transmitter did not take the last change (write failed at %1)"),
      state.WriteFailedAt));
  if (state.SoundState)
    sentences.push(fill(qsTr("Sound: %1"), state.SoundState === "elsewhere" ?
      fill(qsTr("on, but %1"), state.SoundElsewhere) : soundWords[state.SoundState] || state.SoundState));
  //: Two sentences of the status line, one after the other
  return sentences.reduce((text, next) => fill(qsTr("%1. %2"), text, next));
}

function favouriteButton(kHz) {
  const button = document.createElement("button");
  button.type = "button";
  button.textContent = megahertz(kHz);
  button.setAttribute("aria-pressed", String(kHz === state.Frequency));
  if (inBand(kHz)) {
    button.setAttribute("aria-label", fill(qsTr("Tune to %1 MHz"), megahertz(kHz)));
    button.addEventListener("click", () => send({ set: "Frequency", value: kHz }));
  } else {
    button.disabled = true;
    button.title = qsTr("Outside the band in use: it waits for the other band");
    button.setAttribute("aria-label", fill(qsTr("%1 MHz, outside the band in use"), megahertz(kHz)));
  }
  return button;
}

function show() {
  for (const control of document.querySelectorAll("main button, main input"))
    control.disabled = !live;
  const connected = state.Connected === true;
  $("status").textContent = statusText(connected);
  // The first link of the chain from the computer's sound to the radio that is broken, when one is.
  $("hearing").textContent = state.HearingProblem ?
    fill(qsTr("Why the radio may be silent: %1"), state.HearingProblem) : "";
  $("hearing").hidden = !state.HearingProblem;
  // What a tap does; whether the radio is on air the status line says, and the button's colour.
  //: The on-air button while the page cannot tell whether the transmitter is on air
  $("onair").textContent = !live ? qsTr("Unknown") : state.OnAir ? qsTr("Go off air") : qsTr("Go on air");
  $("onair").classList.toggle("on", state.OnAir === true && connected);
  $("onair-note").hidden = connected || !live;
  //: A frequency
  $("frequency").textContent = state.Frequency ? fill(qsTr("%1 MHz"), megahertz(state.Frequency)) : "–";
  $("up").disabled = $("down").disabled = !live || !state.OnAir;
  $("muted").setAttribute("aria-pressed", String(state.Muted === true));
  $("stereo").checked = state.Stereo === true;
  $("mono").checked = state.Stereo === false;
  for (const [id, key] of [["power", "PaLevel"], ["gain", "TxGain"]]) {
    if (document.activeElement !== $(id))
      $(id).value = live ? state[key] : 0;
  }
  // The power also as the value the transmitter receives, as the window's PA-VALUE tip shows it.
  $("power-value").textContent = !live ? "–" : fill(qsTr("%1 of %2, PA-VALUE %3"), number(state.PaLevel),
    number(Number($("power").max)), number(state.PaLevel + 30));
  $("gain-value").textContent = !live ? "–" :
    fill(qsTr("%1 of %2"), number(state.TxGain), number(Number($("gain").max)));
  const favourites = Array.isArray(state.Favourites) ? state.Favourites : [];
  $("favourites-section").hidden = favourites.length === 0;
  $("favourites").replaceChildren(...favourites.map(favouriteButton));
}

// A closed connection is tried again, more slowly each time, unless the address was renewed.
function reconnect() {
  const again = () => {
    setTimeout(connect, retryDelay);
    retryDelay = Math.min(retryDelay * 2, 30000);
  };
  fetch("/", { cache: "no-store" }).then((answer) => {
    if (answer.status !== 401)
      return again();
    showUnknown(renewedText);
    tell(renewedText);
  }, again); // no answer at all: the program is away for now
}

function connect() {
  socket = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host +
    "/socket?language=" + encodeURIComponent(language));
  socket.onopen = () => { retryDelay = 2000; };
  socket.onmessage = (event) => {
    const message = JSON.parse(event.data);
    if (message.state) {
      state = message.state;
      live = true;
      tell("");
      show();
    } else if (message.refused) {
      tell(message.refused);
    }
  };
  socket.onclose = (event) => {
    if (event.code === renewedCode) {
      showUnknown(renewedText);
      tell(renewedText);
      return;
    }
    showUnknown(qsTr("Not connected to the program; trying again…"));
    reconnect();
  };
}

// The page's fixed words: [element, its attribute or "" for its text, words].
for (const [id, attribute, words] of [
  ["frequency-label", "", qsTr("Frequency")],
  ["down", "aria-label", qsTr("Frequency down")],
  ["up", "aria-label", qsTr("Frequency up")],
  ["typed-label", "", qsTr("Type MHz")],
  ["typed", "placeholder", number(98.5, 1)],
  //: A button: tunes to the frequency typed
  ["tune-button", "", qsTr("Tune")],
  ["favourites-label", "", qsTr("Favourites")],
  //: A button that mutes the transmitter's sound, pressed while muted
  ["muted", "", qsTr("Mute")],
  //: Above the choice of stereo or mono
  ["sound-label", "", qsTr("Sound")],
  ["stereo-label", "", qsTr("Stereo")],
  ["mono-label", "", qsTr("Mono")],
  //: The transmit power's slider
  ["power-label", "", qsTr("Power")],
  //: The audio input gain's slider
  ["gain-label", "", qsTr("Gain")],
  ["onair-note", "", qsTr("No transmitter: stored for when it is plugged in")],
]) {
  if (attribute)
    $(id).setAttribute(attribute, words);
  else
    $(id).textContent = words;
}
$("onair").addEventListener("click", () => send({ set: "OnAir", value: !state.OnAir }));
$("muted").addEventListener("click", () => send({ set: "Muted", value: !state.Muted }));
$("stereo").addEventListener("change", () => send({ set: "Stereo", value: true }));
$("mono").addEventListener("change", () => send({ set: "Stereo", value: false }));
$("up").addEventListener("click", () => send({ step: "up" }));
$("down").addEventListener("click", () => send({ step: "down" }));
$("power").addEventListener("change", () => send({ set: "PaLevel", value: Number($("power").value) }));
$("gain").addEventListener("change", () => send({ set: "TxGain", value: Number($("gain").value) }));
$("tune").addEventListener("submit", (event) => {
  event.preventDefault();
  // "88.1" or "88,1", in the digits a phone's keyboard gives too (full-width ones turned into plain ones).
  const typed = /^(\d{1,3})(?:[.,](\d+))?$/.exec($("typed").value.normalize("NFKC").trim());
  if (!typed) {
    tell(fill(qsTr("Type a frequency in MHz, such as %1."), number(98.5, 1)));
    return;
  }
  send({ set: "Frequency", value: Math.round(Number(typed[1] + "." + (typed[2] || "0")) * 1000) });
});
showUnknown(qsTr("Connecting to the program…"));
connect();
