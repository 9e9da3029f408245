-- WHILE loop of 100,000 iterations building and searching a string.
local i, hits, s = 0, 0, ''
while i < 100000 do
  i = i + 1
  local t = tostring(i)
  s = s .. t .. ','
  if #s > 60 then s = string.sub(s, #s - 39, #s) end
  if string.find(s, '7,', 1, true) then hits = hits + 1 end
end
print(hits .. ' ' .. s)
