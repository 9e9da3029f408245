-- A loop of 300,000 iterations over a CASE of ten branches.
local s = 0
for i = 1, 300000 do
  local k = i % 10
  if k == 0 then s = s + 1
  elseif k == 1 then s = s + 3
  elseif k == 2 then s = s - 2
  elseif k == 3 then s = s + 7
  elseif k == 4 then s = s ~ 5
  elseif k == 5 then s = s + i
  elseif k == 6 then s = s - 1
  elseif k == 7 then s = s + 11
  elseif k == 8 then s = s - 4
  elseif k == 9 then s = s + 2
  end
end
print(s)
