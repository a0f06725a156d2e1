'use strict';

// The settings form: reads the room's settings from the companion, shows a
// sample line as the person edits, and posts Save or Cancel. Leaving the page
// any other way counts as Cancel.

const base = location.pathname.endsWith('/') ? location.pathname : location.pathname + '/';
const form = document.getElementById('settings');
const statusLine = document.getElementById('status');
const sample = document.getElementById('sample');
const sampleValues = { $sender$: '小明', $num$: '2', $gift$: '火箭', $combo$: '3连击' };

let fields = [];
const original = {};
let finished = false;  // Save or Cancel has been answered

function setState(state, message) {
  document.body.dataset.state = state;
  statusLine.textContent = message;
}

function control(key) { return form.elements.namedItem(key); }

function rgba(hex, percent) {
  const n = parseInt(hex.slice(1), 16);
  const alpha = Math.min(Math.max(Number(percent) || 0, 0), 100) / 100;
  return `rgba(${n >> 16}, ${(n >> 8) & 255}, ${n & 255}, ${alpha})`;
}

function updateSample() {
  const v = key => control(key).value;
  const on = key => control(key).checked;
  sample.textContent = v('thanks_string').replace(/\$(sender|num|gift|combo)\$/g, m => sampleValues[m]);
  const style = sample.style;
  style.fontFamily = `"${v('font').replace(/["\\]/g, '')}", sans-serif`;
  style.fontSize = `${Math.max(Number(v('fontSize')) || 1, 1)}px`;
  style.color = rgba(v('color'), v('textOpacity'));
  style.fontWeight = on('bold') ? '700' : '400';
  style.fontStyle = on('italic') ? 'italic' : 'normal';
  style.textDecoration = on('underline') ? 'underline' : 'none';
  style.backgroundColor = rgba(v('backgroundColor'), v('backgroundOpacity'));
  // The stroke is centred on the glyphs' edge and painted under them, so
  // twice the width shows the outline's full size outside.
  style.webkitTextStroke = on('outline')
    ? `${2 * Math.max(Number(v('outlineSize')) || 0, 0)}px ${rgba(v('outlineColor'), v('outlineOpacity'))}`
    : '0px transparent';
}

// The texts' rules that the inputs' own constraints cannot say.
function checkTexts() {
  for (const field of fields) {
    if (field.kind !== 'text') continue;
    const input = control(field.key);
    let problem = '';
    if (input.value.includes('{|}')) problem = '不能包含 {|}';
    else if (input.value === '' && original[field.key] !== '') problem = '不能清空（插件不接受空值）';
    input.setCustomValidity(problem);
  }
}

function showField(field) {
  const input = control(field.key);
  original[field.key] = field.value;
  if (input.type === 'checkbox') {
    input.checked = field.value !== 0;
  } else if (input.tagName === 'SELECT') {
    // A value the list does not offer stays selectable as it is.
    if (![...input.options].some(o => o.value === String(field.value)))
      input.add(new Option(`当前值 ${field.value}`, String(field.value)));
    input.value = String(field.value);
  } else {
    input.value = field.value;
  }
  if (field.kind === 'integer' && input.type === 'number') {
    Object.assign(input, { min: field.min, max: field.max, step: 1, required: true });
  }
  if (field.kind === 'text') input.maxLength = field.max;
}

function formBody() {
  const body = new URLSearchParams();
  for (const field of fields) {
    const input = control(field.key);
    let value = input.value;
    if (input.type === 'checkbox') {
      // An untouched box keeps its value, whatever number it was.
      const wasOn = original[field.key] !== 0;
      value = input.checked === wasOn ? String(original[field.key]) : (input.checked ? '1' : '0');
    }
    body.append(field.key, value);
  }
  return body;
}

function finish(state, message) {
  finished = true;
  for (const element of form.elements) element.disabled = true;
  setState(state, message);
}

async function save(event) {
  event.preventDefault();
  for (const input of form.querySelectorAll('.refused')) input.classList.remove('refused');
  checkTexts();
  if (!form.reportValidity()) {
    setState('invalid', '请先改正标出的设置');
    return;
  }
  setState('saving', '正在保存…');
  try {
    const response = await fetch(base + 'save', { method: 'POST', body: formBody() });
    const answer = await response.json();
    if (response.ok) return finish('saved', '已保存，可以关闭此页面');
    const input = answer.field && control(answer.field);
    if (input) input.classList.add('refused');
    setState('refused', `未保存：${answer.field ? answer.field + ' ' : ''}${answer.error}`);
  } catch (error) {
    setState('failed', `未保存：${error.message}`);
  }
}

async function cancel() {
  finish('cancelling', '正在取消…');
  try {
    const response = await fetch(base + 'cancel', { method: 'POST' });
    if (!response.ok) throw new Error((await response.json()).error);
    setState('cancelled', '已取消，可以关闭此页面');
  } catch (error) {
    setState('failed', `取消失败：${error.message}`);
  }
}

// A sample gift in the source's room, thanked by the rules the room has now.
async function testGift() {
  try {
    const response = await fetch(base + 'test-gift', { method: 'POST' });
    if (!response.ok) throw new Error(`HTTP ${response.status}`);
    setState(document.body.dataset.state, '示例礼物已送出');
  } catch (error) {
    setState(document.body.dataset.state, `测试礼物失败：${error.message}`);
  }
}

async function load() {
  try {
    const response = await fetch(base + 'settings', { cache: 'no-store' });
    if (!response.ok) throw new Error(`HTTP ${response.status}`);
    fields = (await response.json()).fields;
    fields.forEach(showField);
    updateSample();
    setState('ready', '');
  } catch (error) {
    finish('failed', `读取设置失败：${error.message}`);
  }
}

form.addEventListener('input', () => { checkTexts(); updateSample(); });
form.addEventListener('submit', save);
document.getElementById('cancel').addEventListener('click', cancel);
document.getElementById('test-gift').addEventListener('click', testGift);
// Closing the page is a Cancel: the beacon is sent even as the page goes.
window.addEventListener('pagehide', () => {
  if (!finished) navigator.sendBeacon(base + 'cancel');
});
load();
