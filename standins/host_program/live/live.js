// The live view: fetches each new frame as soon as the preview has one and
// draws it; lists the sources with their settings form and a test gift.
// body's data-fps and data-lag (ms behind the render) tell how it keeps up.
'use strict';

const base = location.pathname.replace(/[^/]*$/, '');
const canvas = document.getElementById('scene');
const context = canvas.getContext('2d');
const stats = document.getElementById('stats');
let shown = 0, lagSum = 0, since = performance.now();

function report() {
  const now = performance.now();
  const fps = shown * 1000 / (now - since);
  const lag = shown ? lagSum / shown : 0;
  document.body.dataset.fps = fps.toFixed(1);
  document.body.dataset.lag = lag.toFixed(0);
  stats.textContent = `${fps.toFixed(1)} 帧/秒，比渲染晚 ${lag.toFixed(0)} 毫秒`;
  shown = 0; lagSum = 0; since = now;
}

function nextFrame(after) {
  return fetch(`${base}frame?after=${after}`, { cache: 'no-store' });
}

// The request for the next frame goes out as soon as a frame arrives, so that
// decoding one overlaps waiting for the next.
async function play() {
  let last = 0;
  let waiting = nextFrame(last);
  for (;;) {
    try {
      const response = await waiting;
      if (response.status === 204) {
        waiting = nextFrame(last);
        continue;
      }
      if (!response.ok) throw new Error(`HTTP ${response.status}`);
      const arrived = performance.now();
      const age = Number(response.headers.get('X-Frame-Age'));
      last = Number(response.headers.get('X-Frame'));
      waiting = nextFrame(last);
      const picture = await createImageBitmap(await response.blob());
      if (canvas.width !== picture.width || canvas.height !== picture.height) {
        canvas.width = picture.width;
        canvas.height = picture.height;
      }
      context.drawImage(picture, 0, 0);
      picture.close();
      ++shown;
      lagSum += age + (performance.now() - arrived);
      document.body.dataset.frames = String(Number(document.body.dataset.frames) + 1);
      document.body.dataset.state = 'playing';
    } catch (error) {
      document.body.dataset.state = 'lost';
      stats.textContent = `连接中断：${error.message}`;
      await new Promise(resolve => setTimeout(resolve, 1000));
      waiting = nextFrame(last);
    }
  }
}

async function post(action, source) {
  const response = await fetch(`${base}${action}?source=${encodeURIComponent(source)}`, { method: 'POST' });
  const answer = await response.json();
  if (!response.ok) throw new Error(answer.error);
  return answer;
}

function button(text, className, onClick) {
  const element = document.createElement('button');
  element.textContent = text;
  element.className = className;
  element.addEventListener('click', onClick);
  return element;
}

async function openForm(source) {
  const link = document.getElementById('form-link');
  try {
    const { form } = await post('configure', source);
    link.innerHTML = '';
    const anchor = document.createElement('a');
    anchor.href = form;
    anchor.target = '_blank';
    anchor.id = 'form';
    anchor.textContent = `${source} 的设置`;
    link.append(anchor);
    window.open(form, '_blank');
  } catch (error) {
    link.textContent = `设置窗口没有打开：${error.message}`;
  }
}

async function listSources() {
  const response = await fetch(`${base}sources`, { cache: 'no-store' });
  const body = document.querySelector('#sources tbody');
  for (const source of await response.json()) {
    const row = body.insertRow();
    row.dataset.source = source.name;
    row.insertCell().textContent = source.name;
    row.insertCell().append(button('设置', 'configure', () => openForm(source.name)));
    row.insertCell().append(button('测试礼物', 'test-gift', () => post('test-gift', source.name).catch(() => {})));
  }
}

setInterval(report, 1000);
listSources();
play();
